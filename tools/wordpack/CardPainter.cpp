// CardPainter: turns a picture description into an 800 x 600 picture on a soft coloured card.
#include "CardPainter.h"

#include "Drawings.h"
#include "NumberPainter.h"
#include "app/ChildFont.h"
#include "catalogue/Subjects.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <QtMath>

namespace {

const QRectF kInner(22, 22, 756, 556);

// The program's typeface for early readers: l and I differ, a is the a children write.
QFont boldFont(double pixels) {
    QFont font(QLatin1String(ChildFont::Family));
    font.setBold(true);
    font.setPixelSize(qMax(1, qRound(pixels)));
    return font;
}

// Letters drawn large with a white rim; vowels red and other letters blue, as phonics charts do.
void drawLetters(QPainter& p, const QString& text, const QString& caption, const QRectF& area) {
    const double captionHeight = caption.isEmpty() ? 0 : 90;
    QRectF textArea = area.adjusted(0, 0, 0, -captionHeight);
    double pixels = 230;
    QFont font = boldFont(pixels);
    QFontMetricsF metrics(font);
    const double scale = qMin(textArea.width() / metrics.horizontalAdvance(text), textArea.height() / metrics.height());
    if (scale < 1) {
        pixels *= scale;
        font = boldFont(pixels);
        metrics = QFontMetricsF(font);
    }
    const double width = metrics.horizontalAdvance(text);
    double x = textArea.center().x() - width / 2;
    const double baseline = textArea.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    for (const QChar c : text) {
        QPainterPath path;
        path.addText(QPointF(x, baseline), font, QString(c));
        const bool vowel = QStringLiteral("aeiouAEIOU").contains(c);
        p.setPen(QPen(Qt::white, pixels * 0.07, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.setPen(Qt::NoPen);
        p.setBrush(vowel ? QColor(214, 40, 40) : QColor(25, 90, 190));
        p.drawPath(path);
        x += metrics.horizontalAdvance(c);
    }
    if (!caption.isEmpty()) {
        p.setFont(boldFont(62));
        p.setPen(QColor(90, 90, 100));
        p.drawText(QRectF(area.left(), area.bottom() - captionHeight - 10, area.width(), captionHeight),
                   Qt::AlignCenter, caption);
    }
}

// A round blob of paint with a few drops beside it; gold and silver get a metal shine.
void drawSwatch(QPainter& p, const QColor& colour, const QRectF& box) {
    const QPointF c = box.center();
    const double r = box.width() * 0.36;
    QPainterPath blob;
    for (int i = 0; i <= 240; ++i) {
        const double a = 2 * M_PI * i / 240;
        const double k = 1 + 0.07 * std::sin(7 * a) + 0.04 * std::sin(3 * a + 1) + 0.03 * std::cos(11 * a);
        const QPointF pt(c.x() + r * k * std::cos(a), c.y() + r * k * std::sin(a));
        i == 0 ? blob.moveTo(pt) : blob.lineTo(pt);
    }
    blob.closeSubpath();
    const QPointF drops[] = {{0.46, -0.33}, {0.52, 0.3}, {-0.5, 0.36}};
    const double dropSizes[] = {0.06, 0.045, 0.05};
    for (int i = 0; i < 3; ++i)
        blob.addEllipse(QPointF(c.x() + drops[i].x() * box.width(), c.y() + drops[i].y() * box.width()),
                        dropSizes[i] * box.width(), dropSizes[i] * box.width());
    const QColor edge = colour.lightness() > 200 ? QColor(150, 150, 150) : colour.darker(140);
    const bool metal = colour == QColor("#d4a017") || colour == QColor("#b0bec5");
    QBrush brush(colour);
    if (metal) {
        QLinearGradient shine(box.topLeft(), box.bottomRight());
        shine.setColorAt(0, colour.lighter(150));
        shine.setColorAt(0.45, colour);
        shine.setColorAt(0.55, colour.lighter(135));
        shine.setColorAt(1, colour.darker(135));
        brush = QBrush(shine);
    }
    p.setPen(QPen(edge, box.width() * 0.014));
    p.setBrush(brush);
    p.drawPath(blob);
}

} // namespace

CardPainter::CardPainter(const QString& emojiFolder) : emojiFolder_(emojiFolder) {}

QColor CardPainter::tintFor(const QString& subject) {
    if (subject == QStringLiteral("colors")) return QColor(236, 236, 232);
    const int index = qMax(0, Subjects::all().indexOf(subject));
    const double hue = std::fmod(index * 137.508, 360.0) / 360.0;
    return QColor::fromHsvF(hue, 0.26, 0.97);
}

QString CardPainter::emojiPath(const QString& codePoints) const {
    return QDir(emojiFolder_).filePath(codePoints + QStringLiteral(".svg"));
}

bool CardPainter::canDraw(const PictureRecipe& recipe, QString* error) const {
    if (recipe.kind == PictureRecipe::Kind::Colour || recipe.kind == PictureRecipe::Kind::Number) return true;
    if (!recipe.glyph.emoji) {
        if (Drawings::exists(recipe.glyph.name)) return true;
        *error = QStringLiteral("no drawing named \"%1\"").arg(recipe.glyph.name);
        return false;
    }
    if (QFileInfo(emojiPath(recipe.glyph.name)).isFile()) return true;
    *error = QStringLiteral("artwork %1 not found").arg(QDir::toNativeSeparators(emojiPath(recipe.glyph.name)));
    return false;
}

QImage CardPainter::blankCard(const QColor& tint) {
    QImage image(kSize, QImage::Format_RGB32);
    image.fill(tint);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    float h, s, v;
    tint.getHsvF(&h, &s, &v);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromHsvF(h, qMin(1.0f, s + 0.15f), v * 0.85f, 0.45f));
    p.drawRoundedRect(kInner.translated(0, 7), 44, 44);
    p.setPen(QPen(QColor::fromHsvF(h, qMin(1.0f, s + 0.2f), v * 0.9f), 5));
    p.setBrush(QColor::fromHsvF(h, s * 0.22f, 1.0f));
    p.drawRoundedRect(kInner, 44, 44);
    return image;
}

bool CardPainter::drawGlyph(QPainter& painter, const Glyph& glyph, const QRectF& box, QString* error) const {
    if (!glyph.emoji) {
        if (Drawings::draw(painter, glyph.name, box)) return true;
        *error = QStringLiteral("no drawing named \"%1\"").arg(glyph.name);
        return false;
    }
    QSvgRenderer svg(emojiPath(glyph.name));
    if (!svg.isValid()) {
        *error = QStringLiteral("cannot read artwork %1").arg(QDir::toNativeSeparators(emojiPath(glyph.name)));
        return false;
    }
    svg.render(&painter, box);
    return true;
}

bool CardPainter::render(const PictureRecipe& recipe, const QColor& tint, QImage* image, QString* error) const {
    *image = blankCard(tint);
    QPainter p(image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QPointF centre = kInner.center();
    auto square = [](QPointF c, double side) { return QRectF(c.x() - side / 2, c.y() - side / 2, side, side); };
    switch (recipe.kind) {
    case PictureRecipe::Kind::Single: return drawGlyph(p, recipe.glyph, square(centre, 470), error);
    case PictureRecipe::Kind::Many: {
        // Three alike, a little staggered, so "more than one" reads at a glance.
        const double dy[] = {26, -26, 26};
        for (int i = 0; i < 3; ++i)
            if (!drawGlyph(p, recipe.glyph, square(QPointF(centre.x() + (i - 1) * 245, centre.y() + dy[i]), 225), error))
                return false;
        return true;
    }
    case PictureRecipe::Kind::Letters:
        drawLetters(p, recipe.letters, recipe.caption, QRectF(40, 60, 360, 480));
        return drawGlyph(p, recipe.glyph, square(QPointF(598, centre.y()), 340), error);
    case PictureRecipe::Kind::Colour: drawSwatch(p, recipe.colour, square(centre, 500)); return true;
    case PictureRecipe::Kind::Number: NumberPainter::draw(p, recipe.number, kInner); return true;
    }
    return false;
}
