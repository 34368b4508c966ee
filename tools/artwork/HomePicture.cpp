// HomePicture: the home screen, one picture card per subject inside its hot spot.
#include <functional>
#include <QLinearGradient>
#include <QMap>

#include "ArtKit.h"
#include "Pictures.h"
#include "catalogue/HomeSubjects.h"

namespace {
using Draw = std::function<void(QPainter&, const ArtKit&, const QRectF&)>;

Draw emojis(QVector<QStringList> rows, qreal gap = 3) {
    return [rows, gap](QPainter& p, const ArtKit& kit, const QRectF& r) { kit.emojiRows(p, rows, r, gap); };
}

void basicShapes(QPainter& p, const ArtKit&, const QRectF& r) {
    const qreal s = std::min(r.height(), (r.width() - 12) / 3) * 0.86;
    const qreal step = r.width() / 3;
    const qreal cy = r.center().y();
    auto cx = [&](int i) { return r.left() + step * (i + 0.5); };
    QPainterPath circle;
    circle.addEllipse(QPointF(cx(0), cy), s / 2, s / 2);
    ArtKit::shape(p, circle, Palette::Red);
    QPainterPath square;
    square.addRoundedRect(QRectF(cx(1) - s * 0.45, cy - s * 0.45, s * 0.9, s * 0.9), 2, 2);
    ArtKit::shape(p, square, Palette::Blue);
    QPainterPath triangle;
    triangle.moveTo(cx(2), cy - s * 0.5);
    triangle.lineTo(cx(2) + s * 0.55, cy + s * 0.45);
    triangle.lineTo(cx(2) - s * 0.55, cy + s * 0.45);
    triangle.closeSubpath();
    ArtKit::shape(p, triangle, Palette::Yellow);
}

void complexShapes(QPainter& p, const ArtKit&, const QRectF& r) {
    const qreal s = std::min(r.height(), (r.width() - 12) / 3) * 0.95;
    const qreal step = r.width() / 3;
    const qreal cy = r.center().y();
    auto cx = [&](int i) { return r.left() + step * (i + 0.5); };
    ArtKit::shape(p, ArtKit::star(QPointF(cx(0), cy + 1), s / 2, s / 4.6), Palette::Purple);
    ArtKit::shape(p, ArtKit::heart(QRectF(cx(1) - s * 0.46, cy - s * 0.4, s * 0.92, s * 0.84)),
                  Palette::Pink);
    ArtKit::shape(p, ArtKit::polygon(QPointF(cx(2), cy), s * 0.47, 6, 0), Palette::Green);
}

Draw letters(QString s, qreal sizeFactor, QVector<QColor> colours) {
    return [=](QPainter& p, const ArtKit&, const QRectF& r) {
        ArtKit::rainbowText(p, r, s, r.height() * sizeFactor, colours, Qt::white, 5);
    };
}

void phonicsBlocks(QPainter& p, const ArtKit&, const QRectF& r) {
    // Toy letter blocks: the first thing a child links with learning letters.
    const QString abc = QStringLiteral("abc");
    const QColor colours[] = {Palette::Red, Palette::Blue, Palette::Green};
    const qreal s = std::min(r.height() - 2, (r.width() - 16) / 3);
    const qreal gap = (r.width() - 3 * s) / 4;
    for (int i = 0; i < 3; ++i) {
        const QRectF block(r.left() + gap + i * (s + gap), r.center().y() - s / 2 + (i == 1 ? -2 : 2), s, s);
        p.save();
        p.translate(block.center());
        p.rotate(i == 1 ? 0 : (i == 0 ? -7 : 7));
        const QRectF local(-s / 2, -s / 2, s, s);
        QPainterPath path;
        path.addRoundedRect(local, 6, 6);
        ArtKit::shadow(p, path, QPointF(0, 1.5), 0.8);
        p.setPen(QPen(colours[i].darker(130), 2));
        p.setBrush(QColor(255, 250, 235));
        p.drawPath(path);
        ArtKit::text(p, local.adjusted(0, -1, 0, -1), abc.mid(i, 1), s * 0.8, colours[i]);
        p.restore();
    }
}

void combinedSounds(QPainter& p, const ArtKit&, const QRectF& r) {
    // Two letter pairs that make one sound, each in its own speech bubble.
    const qreal h = (r.height() - 6) / 2;
    const QString pairs[] = {QStringLiteral("sh"), QStringLiteral("ch")};
    const QColor colours[] = {Palette::Blue, Palette::Red};
    for (int i = 0; i < 2; ++i) {
        const QRectF bubble(r.left() + (i ? 14 : 2), r.top() + i * (h + 6), r.width() - 16, h - 4);
        QPainterPath path;
        path.addRoundedRect(bubble, h * 0.4, h * 0.4);
        QPainterPath tip;
        const qreal tx = i ? bubble.right() - 14 : bubble.left() + 14;
        tip.moveTo(tx - 6, bubble.bottom() - 2);
        tip.lineTo(tx + (i ? 8 : -8), bubble.bottom() + 7);
        tip.lineTo(tx + 6, bubble.bottom() - 2);
        path = path.united(tip);
        p.save();
        p.setPen(QPen(colours[i].darker(120), 2));
        p.setBrush(Qt::white);
        p.drawPath(path);
        p.restore();
        ArtKit::text(p, bubble, pairs[i], h * 0.62, colours[i]);
    }
}

void softAndHard(QPainter& p, const ArtKit& kit, const QRectF& r) {
    // A feather for the soft sound, a stone for the hard one, each under its letter.
    const qreal half = r.width() / 2;
    const qreal letterH = r.height() * 0.42;
    ArtKit::text(p, QRectF(r.left(), r.top(), half, letterH), QStringLiteral("c"), letterH * 0.95,
                 Palette::Purple, Qt::white, 5);
    ArtKit::text(p, QRectF(r.left() + half, r.top(), half, letterH), QStringLiteral("g"), letterH * 0.95,
                 Palette::Orange, Qt::white, 5);
    const QRectF low(r.left(), r.top() + letterH + 2, r.width(), r.height() - letterH - 2);
    kit.emojiRows(p, {{QStringLiteral("1fab6"), QStringLiteral("1faa8")}}, low, 6);
}

void vowels(QPainter& p, const ArtKit&, const QRectF& r) {
    const QVector<QColor> colours = {Palette::Red, Palette::Orange, Palette::Green, Palette::Blue,
                                     Palette::Purple};
    const qreal h = r.height() / 2;
    ArtKit::rainbowText(p, QRectF(r.left(), r.top(), r.width(), h), QStringLiteral("a e i"), h * 0.78,
                        colours.mid(0, 3), Qt::white, 5);
    ArtKit::rainbowText(p, QRectF(r.left(), r.top() + h, r.width(), h), QStringLiteral("o u"), h * 0.78,
                        colours.mid(3), Qt::white, 5);
}

void colours(QPainter& p, const ArtKit& kit, const QRectF& r) {
    const qreal dotsH = r.height() * 0.26;
    kit.emoji(p, QStringLiteral("1f3a8"), QRectF(r.left(), r.top(), r.width(), r.height() - dotsH - 4));
    const QColor paints[] = {Palette::Red, Palette::Yellow, Palette::Green, Palette::Blue};
    const qreal d = std::min(dotsH, (r.width() - 10) / 4);
    const qreal step = r.width() / 4;
    for (int i = 0; i < 4; ++i) {
        QPainterPath blob;
        blob.addEllipse(QPointF(r.left() + step * (i + 0.5), r.bottom() - dotsH / 2), d / 2, d / 2);
        ArtKit::shape(p, blob, paints[i]);
    }
}

struct Look {
    QColor fill;
    Draw draw;
};

// Each subject's card, by the subject's name in the program's subject table.
QMap<QString, Look> looks() {
    const QColor peach(255, 214, 165), butter(253, 240, 170), mint(196, 240, 186), aqua(170, 232, 245),
        sky(178, 208, 255), lilac(208, 196, 255), rose(255, 196, 206), cream(255, 236, 214);
    auto e = [](const char* a) { return QString::fromLatin1(a); };
    const QVector<QColor> warm = {Palette::Blue, Palette::Red, Palette::Green};
    return {
        {QStringLiteral("basic shapes"), {cream, basicShapes}},
        {QStringLiteral("Big Numbers"), {butter, letters(e("100"), 0.62, warm)}},
        {QStringLiteral("Birds"), {aqua, emojis({{e("1f99c")}, {e("1f426")}})}},
        {QStringLiteral("colors"), {cream, colours}},
        {QStringLiteral("combined sounds"), {lilac, combinedSounds}},
        {QStringLiteral("complex shapes"), {rose, complexShapes}},
        {QStringLiteral("farm animals"), {mint,
         emojis({{e("1f404"), e("1f416")}, {e("1f411"), e("1f414")}})}},
        {QStringLiteral("food"), {peach, emojis({{e("1f355")}, {e("1f96a")}})}},
        {QStringLiteral("fruit"), {rose, emojis({{e("1f34e")}, {e("1f34c")}})}},
        {QStringLiteral("garden"), {mint, emojis({{e("1f33b"), e("1f337")}, {e("1fab4")}})}},
        {QStringLiteral("home"), {peach, emojis({{e("1f3e0"), e("1f6cb"), e("1f6cf")}})}},
        {QStringLiteral("insects"), {butter,
         emojis({{e("1f41e"), e("1f98b"), e("1f41d"), e("1f41b")}}, 10)}},
        {QStringLiteral("marine animals"), {aqua, emojis({{e("1f433"), e("1f419"), e("1f420")}})}},
        {QStringLiteral("music"), {lilac, emojis({{e("1f3b8"), e("1f941")}}, 8)}},
        {QStringLiteral("nature"), {mint, emojis({{e("1f332"), e("26f0")}})}},
        {QStringLiteral("phonics a to z"), {butter, phonicsBlocks}},
        {QStringLiteral("places"), {sky, emojis({{e("1f3eb")}, {e("1f3e5")}})}},
        // One balloon and a bunch of them: one thing and many things.
        {QStringLiteral("plural words"), {rose, emojis({{e("1f388"), e("1f388"), e("1f388")}}, 0)}},
        {QStringLiteral("singular words"), {sky, emojis({{e("1f388")}})}},
        {QStringLiteral("small animals"), {peach, emojis({{e("1f407"), e("1f439"), e("1f42d")}})}},
        {QStringLiteral("small numbers"), {mint,
         letters(e("1 2 3"), 0.6, {Palette::Red, Palette::Orange, Palette::Purple})}},
        {QStringLiteral("soft and hard sounds"), {sky, softAndHard}},
        {QStringLiteral("sport"), {mint, emojis({{e("26bd"), e("1f3c0"), e("1f3be")}}, 8)}},
        {QStringLiteral("transport"), {aqua, emojis({{e("2708")}, {e("1f697"), e("1f68c")}})}},
        {QStringLiteral("vegetables"), {butter,
         emojis({{e("1f955"), e("1f966")}, {e("1f33d"), e("1f345")}})}},
        {QStringLiteral("vowels"), {rose, vowels}},
        {QStringLiteral("weather"), {cream,
         emojis({{e("2600"), e("2601"), e("1f327"), e("2744"), e("1f308")}}, 10)}},
        {QStringLiteral("wild animals"), {peach,
         emojis({{e("1f981"), e("1f418"), e("1f992"), e("1f993")}}, 6)}},
    };
}

void background(QPainter& p, const ArtKit&, QSize size) {
    ArtKit::landscape(p, QRectF(QPointF(0, 0), QSizeF(size)), 360);
    ArtKit::cloud(p, QPointF(190, 80), 90);
    ArtKit::cloud(p, QPointF(470, 205), 70);
    ArtKit::cloud(p, QPointF(850, 200), 60);
    ArtKit::cloud(p, QPointF(545, 62), 50);
    // The program's kite flies over the middle of the subjects, with its string down to the hills.
    p.save();
    p.setPen(QPen(QColor(61, 90, 128, 150), 1.6, Qt::SolidLine, Qt::RoundCap));
    QPainterPath string(QPointF(408, 175));
    string.cubicTo(QPointF(370, 250), QPointF(310, 320), QPointF(300, 420));
    p.drawPath(string);
    p.restore();
    ArtKit::kite(p, QPointF(392, 118), 118, -16);
    ArtKit::tree(p, QPointF(470, 430), 70);
    ArtKit::tree(p, QPointF(820, 400), 56);
    const QColor petals[] = {Palette::Pink, Palette::Yellow, QColor(255, 255, 255), Palette::Purple};
    const QPointF flowers[] = {{250, 440}, {310, 405}, {365, 455}, {420, 415}, {600, 398}, {690, 392}};
    for (int i = 0; i < 6; ++i)
        ArtKit::flower(p, flowers[i], 20, petals[i % 4]);
}
} // namespace

void paintHome(QPainter& p, const ArtKit& kit, QSize size) {
    p.setRenderHint(QPainter::Antialiasing);
    background(p, kit, size);
    const QMap<QString, Look> all = looks();
    for (const HomeSubject& subject : HomeSubjects) {
        const QRect& t = subject.spot;
        const QRectF spot(t.x() / 15.0, t.y() / 15.0, t.width() / 15.0, t.height() / 15.0);
        const QRectF card = spot.adjusted(2, 2, -2, -2);
        const QString name = QLatin1String(subject.name);
        // A subject added to the table before its picture is drawn still gets a card with its name.
        const Look look = all.value(name, {QColor(255, 236, 214), {}});
        ArtKit::tile(p, card, look.fill, std::min(12.0, card.height() / 4));
        if (look.draw)
            look.draw(p, kit, card.adjusted(5, 5, -5, -5));
        else
            ArtKit::text(p, card, QLatin1String(subject.caption), std::min(card.height() / 3, 16.0),
                         QColor(61, 90, 128));
    }
}
