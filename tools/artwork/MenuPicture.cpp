// MenuPicture: the game menu, one picture of each game inside its hot spot, on a winding trail.
#include <functional>
#include <QLinearGradient>
#include <QMap>

#include "ArtKit.h"
#include "Pictures.h"
#include "app/GameList.h"

namespace {
// The memory game's own card colours, so the picture matches the game.
const QColor CardBlue(30, 95, 247);
const QColor MatchRed(227, 0, 0);

void card(QPainter& p, const QRectF& r, const QColor& fill, const QColor& rim, qreal angle = 0) {
    p.save();
    p.translate(r.center());
    p.rotate(angle);
    const QRectF local(-r.width() / 2, -r.height() / 2, r.width(), r.height());
    QPainterPath path;
    path.addRoundedRect(local, 4, 4);
    ArtKit::shadow(p, path, QPointF(0, 1.2), 0.7);
    p.setPen(QPen(rim, 1.8));
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

void letterTile(QPainter& p, const QRectF& r, const QString& letter, const QColor& fill, const QColor& ink,
                qreal angle) {
    p.save();
    p.translate(r.center());
    p.rotate(angle);
    const QRectF local(-r.width() / 2, -r.height() / 2, r.width(), r.height());
    QPainterPath path;
    path.addRoundedRect(local, 6, 6);
    ArtKit::shadow(p, path, QPointF(0, 1.5), 0.8);
    p.setPen(QPen(fill.darker(125), 1.8));
    p.setBrush(fill);
    p.drawPath(path);
    ArtKit::text(p, local, letter, r.height() * 0.72, ink);
    p.restore();
}

void listening(QPainter& p, const ArtKit& kit, const QRectF& r) {
    kit.emojiRows(p, {{QStringLiteral("1f442"), QStringLiteral("1f50a")}}, r, 10);
}

void cards(QPainter& p, const ArtKit& kit, const QRectF& r) {
    // A picture card turns over to show its word.
    const qreal h = r.height();
    const QRectF pic(r.left() + 8, r.top(), h * 0.8, h);
    card(p, pic, Qt::white, Palette::Ink, -6);
    p.save();
    p.translate(pic.center());
    p.rotate(-6);
    kit.emoji(p, QStringLiteral("1f34e"), QRectF(-h * 0.32, -h * 0.32, h * 0.64, h * 0.64));
    p.restore();
    const qreal arrowLeft = pic.right() + 8;
    QPainterPath arrow(QPointF(arrowLeft, r.center().y() + 4));
    arrow.quadTo(QPointF(arrowLeft + 13, r.center().y() - 12), QPointF(arrowLeft + 26, r.center().y() + 2));
    p.save();
    p.setPen(QPen(Palette::Ink, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arrow);
    p.setBrush(Palette::Ink);
    QPainterPath head;
    head.moveTo(arrowLeft + 31, r.center().y() + 6);
    head.lineTo(arrowLeft + 20, r.center().y() + 4);
    head.lineTo(arrowLeft + 28, r.center().y() - 5);
    head.closeSubpath();
    p.drawPath(head);
    p.restore();
    const QRectF word(arrowLeft + 38, r.top() + 2, r.right() - arrowLeft - 46, h - 4);
    card(p, word, Qt::white, Palette::Ink, 4);
    p.save();
    p.translate(word.center());
    p.rotate(4);
    ArtKit::text(p, QRectF(-word.width() / 2, -word.height() / 2, word.width(), word.height()),
                 QStringLiteral("apple"), h * 0.42, Palette::Red);
    p.restore();
}

void memory(QPainter& p, const ArtKit& kit, const QRectF& r) {
    // A found pair face up, and a card still face down.
    const qreal w = (r.width() - 12) / 3;
    const qreal h = std::min(r.height(), w * 1.3);
    const qreal gap = (r.width() - 3 * w) / 4;
    for (int i = 0; i < 3; ++i) {
        const QRectF c(r.left() + gap + i * (w + gap), r.center().y() - h / 2, w, h);
        if (i < 2) {
            card(p, c, Qt::white, MatchRed);
            kit.emoji(p, QStringLiteral("1f436"), c.adjusted(2, 2, -2, -2));
        } else {
            card(p, c, CardBlue, CardBlue.darker(140));
            ArtKit::text(p, c, QStringLiteral("?"), h * 0.6, Qt::white);
        }
    }
}

void choose(QPainter& p, const ArtKit& kit, const QRectF& r) {
    // A picture and the word button that names it.
    const qreal h = r.height();
    kit.emoji(p, QStringLiteral("1f431"), QRectF(r.left() + 4, r.top(), h, h));
    const QRectF button(r.left() + h + 14, r.center().y() - h * 0.36, r.width() - h - 20, h * 0.72);
    QPainterPath path;
    path.addRoundedRect(button, button.height() / 2.4, button.height() / 2.4);
    ArtKit::shadow(p, path, QPointF(0, 1.5), 0.8);
    QLinearGradient g(button.topLeft(), button.bottomLeft());
    g.setColorAt(0, QColor(255, 236, 150));
    g.setColorAt(1, QColor(249, 200, 70));
    p.save();
    p.setPen(QPen(QColor(214, 150, 30), 2));
    p.setBrush(g);
    p.drawPath(path);
    p.restore();
    ArtKit::text(p, button, QStringLiteral("cat"), button.height() * 0.62, QColor(40, 40, 40));
}

void hidden(QPainter& p, const ArtKit& kit, const QRectF& r) {
    // The word with one letter still hidden, and a magnifying glass to find it.
    const qreal s = r.height();
    const qreal gap = 6;
    const qreal x0 = r.center().x() - (4 * s + 3 * gap) / 2;
    const QString letters[] = {QStringLiteral("c"), QStringLiteral("?"), QStringLiteral("t")};
    for (int i = 0; i < 3; ++i) {
        const QRectF box(x0 + i * (s + gap), r.top(), s, s);
        if (i == 1)
            letterTile(p, box, letters[i], CardBlue, Qt::white, 0);
        else
            letterTile(p, box, letters[i], Qt::white, Palette::Ink, 0);
    }
    kit.emoji(p, QStringLiteral("1f50d"), QRectF(x0 + 3 * (s + gap), r.top(), s, s));
}

void mixed(QPainter& p, const ArtKit&, const QRectF& r) {
    // Letter tiles tumbled out of order.
    const qreal s = r.height() * 0.92;
    const QString letters[] = {QStringLiteral("t"), QStringLiteral("a"), QStringLiteral("c")};
    const qreal angles[] = {-14, 9, -6};
    const qreal lift[] = {2, -1, 1};
    const QColor fills[] = {QColor(255, 214, 120), QColor(255, 190, 200), QColor(180, 225, 255)};
    const qreal step = r.width() / 3;
    for (int i = 0; i < 3; ++i) {
        const QRectF box(r.left() + step * (i + 0.5) - s / 2, r.center().y() - s / 2 + lift[i], s, s);
        letterTile(p, box, letters[i], fills[i], Palette::Ink, angles[i]);
    }
}

struct Game {
    QRect spot; // in twips, from the program's game list
    QColor fill;
    std::function<void(QPainter&, const ArtKit&, const QRectF&)> draw;
};

// Each game's card, by its name in the game list.
const QVector<Game>& games() {
    static const QVector<Game> table = [] {
        const QMap<QString, std::pair<QColor, std::function<void(QPainter&, const ArtKit&, const QRectF&)>>> looks = {
            {"listening", {QColor(255, 214, 165), listening}}, {"cards", {QColor(196, 240, 186), cards}},
            {"memory", {QColor(253, 240, 170), memory}},       {"choose", {QColor(178, 208, 255), choose}},
            {"hidden", {QColor(208, 196, 255), hidden}},  {"mixed", {QColor(255, 196, 206), mixed}},
        };
        QVector<Game> all;
        for (const GameDescriptor& listing : GameList) {
            const auto look = looks.value(QLatin1String(listing.name), {QColor(255, 236, 214), {}});
            const QString title = QLatin1String(listing.title);
            all.append({listing.menuSpot, look.first,
                        look.second ? look.second : [title](QPainter& p, const ArtKit&, const QRectF& r) {
                            ArtKit::text(p, r, title, r.height() * 0.4, QColor(61, 90, 128));
                        }});
        }
        return all;
    }();
    return table;
}

QRectF spot(const Game& g) {
    return QRectF(g.spot.x() / 15.0, g.spot.y() / 15.0, g.spot.width() / 15.0, g.spot.height() / 15.0);
}

void trail(QPainter& p) {
    // A sandy path that visits the games in order, like a board game.
    QPainterPath path;
    const auto& all = games();
    path.moveTo(spot(all[0]).center() + QPointF(-120, 30));
    QPointF prev = path.currentPosition();
    for (const Game& g : all) {
        const QPointF c = spot(g).center();
        const QPointF mid = (prev + c) / 2;
        path.cubicTo(QPointF(mid.x(), prev.y()), QPointF(mid.x(), c.y()), c);
        prev = c;
    }
    path.cubicTo(prev + QPointF(60, 0), prev + QPointF(80, 60), prev + QPointF(140, 80));
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(214, 190, 140, 160), 26, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path.translated(0, 3));
    p.setPen(QPen(QColor(250, 232, 190), 22, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    QPen dots(QColor(230, 200, 140), 4, Qt::DotLine, Qt::RoundCap);
    dots.setDashPattern({0.1, 3});
    p.setPen(dots);
    p.drawPath(path);
    p.restore();
}

void banner(QPainter& p, QSize size) {
    // A deep band along the top carries the subject's name in white.
    QPainterPath band(QPointF(0, 0));
    band.lineTo(size.width(), 0);
    band.lineTo(size.width(), 66);
    for (qreal x = size.width(); x >= 0; x -= 8)
        band.lineTo(x, 66 + 5 * std::sin(x / 60.0));
    band.closeSubpath();
    ArtKit::shadow(p, band, QPointF(0, 3));
    QLinearGradient g(0, 0, 0, 70);
    g.setColorAt(0, QColor(58, 116, 190));
    g.setColorAt(1, QColor(44, 96, 168));
    p.fillPath(band, g);
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 70), 1.5));
    p.drawLine(QPointF(0, 2), QPointF(size.width(), 2));
    p.restore();
    // Room for the title: a soft lighter pill behind it.
    QPainterPath pill;
    pill.addRoundedRect(QRectF(760, 14, 250, 42), 21, 21);
    p.fillPath(pill, QColor(255, 255, 255, 34));
    ArtKit::kite(p, QPointF(38, 34), 50, -12, false);
}
} // namespace

void paintMenu(QPainter& p, const ArtKit& kit, QSize size) {
    p.setRenderHint(QPainter::Antialiasing);
    ArtKit::landscape(p, QRectF(QPointF(0, 0), QSizeF(size)), 400);
    ArtKit::cloud(p, QPointF(260, 120), 80);
    ArtKit::cloud(p, QPointF(560, 110), 64);
    ArtKit::cloud(p, QPointF(930, 150), 90);
    ArtKit::cloud(p, QPointF(120, 300), 56);
    ArtKit::tree(p, QPointF(70, 470), 90);
    ArtKit::tree(p, QPointF(960, 500), 80);
    ArtKit::tree(p, QPointF(600, 470), 60);
    const QColor petals[] = {Palette::Pink, Palette::Yellow, QColor(255, 255, 255), Palette::Purple};
    const QPointF flowers[] = {{180, 450}, {250, 500}, {390, 430}, {430, 505},
                               {720, 440}, {800, 510}, {870, 420}};
    for (int i = 0; i < 7; ++i)
        ArtKit::flower(p, flowers[i], 22, petals[i % 4]);
    trail(p);
    banner(p, size);
    for (const Game& g : games()) {
        const QRectF card = spot(g).adjusted(1, 1, -1, -1);
        ArtKit::tile(p, card, g.fill, std::min(14.0, card.height() / 3), 3);
        g.draw(p, kit, card.adjusted(5, 4, -5, -4));
    }
}
