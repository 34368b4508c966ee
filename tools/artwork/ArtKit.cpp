// ArtKit: the drawing helpers every picture of the artwork shares.
#include "ArtKit.h"

#include <algorithm>
#include <QFile>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QSvgRenderer>
#include <QtMath>

ArtKit::ArtKit(QString emojiDir) : dir_(std::move(emojiDir)) {}
ArtKit::~ArtKit() = default;

QSvgRenderer* ArtKit::renderer(const QString& code) const {
    auto it = cache_.find(code);
    if (it != cache_.end()) return it->get();
    std::shared_ptr<QSvgRenderer> r;
    const QString path = dir_ + QLatin1Char('/') + code + QStringLiteral(".svg");
    if (QFile::exists(path)) {
        r = std::make_shared<QSvgRenderer>(path);
        if (!r->isValid()) r.reset();
    }
    if (!r && !missing_.contains(code)) missing_ << code;
    cache_.insert(code, r);
    return r.get();
}

void ArtKit::emoji(QPainter& p, const QString& code, const QRectF& box) const {
    const qreal side = std::min(box.width(), box.height());
    const QRectF square(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    if (QSvgRenderer* r = renderer(code)) {
        r->render(&p, square);
        return;
    }
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(square.adjusted(side * 0.1, side * 0.1, -side * 0.1, -side * 0.1));
    p.restore();
}

void ArtKit::emojiRows(QPainter& p, const QVector<QStringList>& rows, const QRectF& box, qreal gap) const {
    if (rows.isEmpty()) return;
    qsizetype widest = 1;
    for (const QStringList& row : rows)
        widest = std::max(widest, row.size());
    const qreal n = qreal(rows.size());
    const qreal side =
        std::min((box.width() - gap * (widest - 1)) / widest, (box.height() - gap * (n - 1)) / n);
    qreal y = box.center().y() - (side * n + gap * (n - 1)) / 2;
    for (const QStringList& row : rows) {
        const qreal rowWidth = side * row.size() + gap * (row.size() - 1);
        qreal x = box.center().x() - rowWidth / 2;
        for (const QString& code : row) {
            emoji(p, code, QRectF(x, y, side, side));
            x += side + gap;
        }
        y += side + gap;
    }
}

void ArtKit::shadow(QPainter& p, const QPainterPath& shape, QPointF offset, qreal strength) {
    // A few widening strokes fake a blur cheaply and look the same at both scales.
    p.save();
    p.setBrush(Qt::NoBrush);
    const QPainterPath moved = shape.translated(offset);
    for (int i = 3; i >= 1; --i) {
        p.setPen(QPen(QColor(30, 50, 80, int(14 * strength)), i * 2.2, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.drawPath(moved);
    }
    p.fillPath(moved, QColor(30, 50, 80, int(40 * strength)));
    p.restore();
}

void ArtKit::tile(QPainter& p, const QRectF& r, const QColor& fill, qreal radius, qreal rim) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    shadow(p, path, QPointF(0, 2.5));
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, fill.lighter(112));
    g.setColorAt(1, fill);
    p.save();
    p.setPen(QPen(Qt::white, rim));
    p.setBrush(g);
    p.drawPath(path);
    p.restore();
}

void ArtKit::cloud(QPainter& p, QPointF c, qreal w, const QColor& colour) {
    QPainterPath path;
    const qreal h = w * 0.32;
    path.addRoundedRect(QRectF(c.x() - w / 2, c.y() - h / 2, w, h), h / 2, h / 2);
    QPainterPath puff;
    puff.addEllipse(QPointF(c.x() - w * 0.16, c.y() - h * 0.45), w * 0.2, w * 0.2);
    path = path.united(puff);
    puff.clear();
    puff.addEllipse(QPointF(c.x() + w * 0.12, c.y() - h * 0.55), w * 0.25, w * 0.25);
    path = path.united(puff);
    p.save();
    p.setPen(Qt::NoPen);
    p.fillPath(path.translated(0, w * 0.03), QColor(120, 160, 200, 40));
    p.fillPath(path, colour);
    p.restore();
}

void ArtKit::kite(QPainter& p, QPointF c, qreal height, qreal angle, bool tail) {
    // Same drawing as icon.svg: the kite is 184 units tall around its cross.
    p.save();
    p.translate(c);
    p.rotate(angle);
    const qreal s = height / 184.0;
    p.scale(s, s);
    p.translate(0, -4);
    const QColor ink = Palette::Ink;
    if (tail) {
        QPainterPath string(QPointF(0, 96));
        string.cubicTo(-14, 122, 18, 138, 2, 160);
        string.cubicTo(-14, 180, -22, 190, -10, 214);
        p.setPen(QPen(ink, 5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(string);
        const QColor bows[] = {Palette::Red, Palette::Yellow};
        const qreal bowY[] = {136, 180};
        const qreal bowX[] = {-2, -6};
        for (int i = 0; i < 2; ++i) {
            QPainterPath bow;
            bow.moveTo(bowX[i], bowY[i]);
            bow.lineTo(bowX[i] - 16, bowY[i] - 9);
            bow.lineTo(bowX[i] - 15, bowY[i] + 9);
            bow.closeSubpath();
            bow.moveTo(bowX[i], bowY[i]);
            bow.lineTo(bowX[i] + 16, bowY[i] - 9);
            bow.lineTo(bowX[i] + 15, bowY[i] + 9);
            bow.closeSubpath();
            p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(bows[i]);
            p.drawPath(bow);
        }
    }
    const QPointF top(0, -88), right(62, -20), bottom(0, 96), left(-62, -20), mid(0, -20);
    auto fillTri = [&](QPointF a, QPointF b, QPointF d, const QColor& col) {
        QPainterPath t;
        t.moveTo(a);
        t.lineTo(b);
        t.lineTo(d);
        t.closeSubpath();
        p.fillPath(t, col);
    };
    fillTri(top, mid, left, Palette::Red);
    fillTri(top, right, mid, Palette::Yellow);
    fillTri(right, bottom, mid, Palette::Blue);
    fillTri(left, mid, bottom, Palette::Green);
    QPainterPath rim;
    rim.moveTo(top);
    rim.lineTo(right);
    rim.lineTo(bottom);
    rim.lineTo(left);
    rim.closeSubpath();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(rim);
    p.setPen(QPen(ink, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(top, bottom);
    p.drawLine(left, right);
    p.restore();
}

void ArtKit::flower(QPainter& p, QPointF c, qreal size, const QColor& petals) {
    p.save();
    p.setPen(QPen(QColor(90, 160, 80), size * 0.12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(0, size * 0.9));
    p.setPen(Qt::NoPen);
    p.setBrush(petals);
    for (int i = 0; i < 5; ++i) {
        const qreal a = i * 2 * M_PI / 5 - M_PI / 2;
        p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * size * 0.28, size * 0.22, size * 0.22);
    }
    p.setBrush(QColor(255, 214, 80));
    p.drawEllipse(c, size * 0.17, size * 0.17);
    p.restore();
}

void ArtKit::tree(QPainter& p, QPointF foot, qreal h) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 110, 80));
    p.drawRoundedRect(QRectF(foot.x() - h * 0.06, foot.y() - h * 0.45, h * 0.12, h * 0.45), 2, 2);
    const QColor leaf(96, 176, 92);
    p.setBrush(leaf);
    p.drawEllipse(QPointF(foot.x(), foot.y() - h * 0.65), h * 0.3, h * 0.3);
    p.drawEllipse(QPointF(foot.x() - h * 0.17, foot.y() - h * 0.5), h * 0.2, h * 0.2);
    p.drawEllipse(QPointF(foot.x() + h * 0.18, foot.y() - h * 0.52), h * 0.21, h * 0.21);
    p.setBrush(leaf.lighter(115));
    p.drawEllipse(QPointF(foot.x() - h * 0.08, foot.y() - h * 0.74), h * 0.12, h * 0.12);
    p.restore();
}

void ArtKit::landscape(QPainter& p, const QRectF& area, qreal hillsTop, int hillLayers) {
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, Palette::SkyTop);
    sky.setColorAt(0.7, Palette::SkyBottom);
    p.fillRect(area, sky);
    const QVector<QColor> greens = {QColor(184, 226, 160), QColor(160, 214, 134), QColor(138, 202, 112),
                                    QColor(120, 190, 98)};
    hills(p, area, hillsTop, greens.mid(0, std::clamp(hillLayers, 1, 4)));
}

void ArtKit::hills(QPainter& p, const QRectF& area, qreal top, const QVector<QColor>& colours) {
    // Each layer is a gentle wave, lower and darker than the one behind it.
    p.save();
    p.setPen(Qt::NoPen);
    const int layers = int(colours.size());
    for (int i = 0; i < layers; ++i) {
        const qreal base = top + (area.bottom() - top) * i / (layers + 1.0);
        const qreal amp = 14 + 6 * i;
        const qreal phase = i * 1.7;
        QPainterPath path(QPointF(area.left(), area.bottom()));
        for (qreal x = area.left(); x <= area.right() + 8; x += 8) {
            const qreal t = (x - area.left()) / area.width();
            path.lineTo(x, base + amp * std::sin(t * 2 * M_PI * (1.3 + 0.4 * i) + phase));
        }
        path.lineTo(area.right(), area.bottom());
        path.closeSubpath();
        p.fillPath(path, colours[i]);
    }
    p.restore();
}

// The children's typeface of the program (Andika: l and I differ, a is the a children write); the font list
// stands in another where it is missing.
QFont ArtKit::font(qreal pixelSize, bool bold) {
    QFont f(QStringLiteral("Andika"));
    f.setPixelSize(std::max(1, qRound(pixelSize)));
    f.setBold(bold);
    return f;
}

namespace {
void strokeAndFill(QPainter& p, const QPainterPath& path, const QColor& fill, const QColor& outline,
                   qreal width) {
    p.save();
    if (outline.alpha() > 0 && width > 0) {
        p.setPen(QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.fillPath(path, fill);
    p.restore();
}
} // namespace

void ArtKit::text(QPainter& p, const QRectF& box, const QString& s, qreal px, const QColor& fill,
                  const QColor& outline, qreal outlineWidth) {
    QPainterPath path;
    path.addText(0, 0, font(px), s);
    const QRectF b = path.boundingRect();
    path.translate(box.center() - b.center());
    strokeAndFill(p, path, fill, outline, outlineWidth);
}

void ArtKit::rainbowText(QPainter& p, const QRectF& box, const QString& s, qreal px,
                         const QVector<QColor>& colours, const QColor& outline, qreal outlineWidth) {
    const QFont f = font(px);
    const QFontMetricsF fm(f);
    QVector<QPainterPath> glyphs;
    QPainterPath all;
    qreal x = 0;
    for (const QChar ch : s) {
        QPainterPath g;
        g.addText(x, 0, f, QString(ch));
        glyphs << g;
        all.addPath(g);
        x += fm.horizontalAdvance(ch);
    }
    const QPointF shift = box.center() - all.boundingRect().center();
    int colour = 0;
    for (int i = 0; i < glyphs.size(); ++i) {
        if (s.at(i).isSpace()) continue;
        strokeAndFill(p, glyphs[i].translated(shift), colours[colour++ % colours.size()], outline,
                      outlineWidth);
    }
}

namespace {
// A closed outline through `count` points around c, the i-th at radius(i) and evenly spaced angles.
template <typename Radius> QPainterPath ring(QPointF c, int count, qreal startRadians, Radius radius) {
    QPainterPath path;
    for (int i = 0; i < count; ++i) {
        const qreal a = startRadians + i * 2 * M_PI / count;
        const QPointF pt = c + QPointF(std::cos(a), std::sin(a)) * radius(i);
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}
} // namespace

QPainterPath ArtKit::star(QPointF c, qreal outer, qreal inner, int points) {
    return ring(c, points * 2, -M_PI / 2, [=](int i) { return (i % 2) ? inner : outer; });
}

QPainterPath ArtKit::heart(const QRectF& b) {
    QPainterPath path;
    const qreal w = b.width(), h = b.height();
    path.moveTo(b.left() + w / 2, b.top() + h * 0.28);
    path.cubicTo(b.left() + w * 0.5, b.top() - h * 0.05, b.left() - w * 0.05, b.top() + h * 0.02,
                 b.left() + w * 0.02, b.top() + h * 0.38);
    path.cubicTo(b.left() + w * 0.08, b.top() + h * 0.68, b.left() + w * 0.4, b.top() + h * 0.82,
                 b.left() + w / 2, b.bottom());
    path.cubicTo(b.left() + w * 0.6, b.top() + h * 0.82, b.left() + w * 0.92, b.top() + h * 0.68,
                 b.left() + w * 0.98, b.top() + h * 0.38);
    path.cubicTo(b.right() + w * 0.05, b.top() + h * 0.02, b.left() + w * 0.5, b.top() - h * 0.05,
                 b.left() + w / 2, b.top() + h * 0.28);
    path.closeSubpath();
    return path;
}

QPainterPath ArtKit::polygon(QPointF c, qreal radius, int corners, qreal rotation) {
    return ring(c, corners, qDegreesToRadians(rotation), [=](int) { return radius; });
}

void ArtKit::shape(QPainter& p, const QPainterPath& path, const QColor& fill) {
    p.save();
    p.setPen(QPen(fill.darker(135), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}
