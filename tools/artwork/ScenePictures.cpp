// ScenePictures: the game background, the congratulation picture, the splash and the toolbar strip.
#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

#include "ArtKit.h"
#include "Pictures.h"

void paintScreen(QPainter& p, const ArtKit&, QSize size) {
    // Kept pale and quiet: the game's pictures, words and buttons are what the eye should find.
    const QRectF all(QPointF(0, 0), QSizeF(size));
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(214, 238, 252));
    sky.setColorAt(1, QColor(246, 251, 255));
    p.fillRect(all, sky);
    ArtKit::cloud(p, QPointF(150, 60), 90, QColor(255, 255, 255, 200));
    ArtKit::cloud(p, QPointF(620, 40), 70, QColor(255, 255, 255, 200));
    ArtKit::cloud(p, QPointF(900, 90), 80, QColor(255, 255, 255, 200));
    ArtKit::hills(p, all, 505, {QColor(214, 238, 200), QColor(198, 230, 182), QColor(184, 222, 166)});
}

void paintCongrats(QPainter& p, const ArtKit& kit, QSize size) {
    const QRectF all(QPointF(0, 0), QSizeF(size));
    const QPointF centre = all.center() + QPointF(0, -10);
    QRadialGradient glow(centre, size.width() * 0.7);
    glow.setColorAt(0, QColor(255, 249, 222));
    glow.setColorAt(1, QColor(255, 226, 160));
    p.fillRect(all, glow);
    // Soft sun rays behind the trophy.
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 16; ++i) {
        const qreal a = i * M_PI / 8;
        QPainterPath ray(centre);
        ray.lineTo(centre + QPointF(std::cos(a - 0.09), std::sin(a - 0.09)) * 700);
        ray.lineTo(centre + QPointF(std::cos(a + 0.09), std::sin(a + 0.09)) * 700);
        ray.closeSubpath();
        p.fillPath(ray, QColor(255, 255, 255, 70));
    }
    p.restore();
    // Confetti from a fixed little sequence, so every build draws the same picture.
    quint32 seed = 7;
    auto next = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 16) % quint32(n));
    };
    const QColor confetti[] = {Palette::Red,    Palette::Blue,   Palette::Green,
                               Palette::Purple, Palette::Orange, Palette::Pink};
    for (int i = 0; i < 70; ++i) {
        const QPointF at(next(size.width()), next(size.height()));
        if (QLineF(at, centre).length() < 230) continue;
        p.save();
        p.translate(at);
        p.rotate(next(180));
        p.fillRect(QRectF(-7, -3.5, 14, 7), confetti[next(6)]);
        p.restore();
    }
    kit.emoji(p, QStringLiteral("1f3c6"), QRectF(centre.x() - 170, centre.y() - 170, 340, 340));
    kit.emoji(p, QStringLiteral("1f31f"), QRectF(120, 70, 110, 110));
    kit.emoji(p, QStringLiteral("2b50"), QRectF(590, 90, 90, 90));
    kit.emoji(p, QStringLiteral("2b50"), QRectF(640, 400, 70, 70));
    kit.emoji(p, QStringLiteral("1f389"), QRectF(50, 420, 130, 130));
    kit.emoji(p, QStringLiteral("1f38a"), QRectF(620, 440, 120, 120));
}

void paintSplash(QPainter& p, const ArtKit&, QSize size) {
    // A rounded card: sky, the kite, and the program's name on the hills.
    const QRectF all(QPointF(0, 0), QSizeF(size));
    const QRectF card = all.adjusted(2, 2, -2, -3);
    QPainterPath shape;
    shape.addRoundedRect(card, 16, 16);
    ArtKit::shadow(p, shape, QPointF(0, 1.5), 0.8);
    p.save();
    p.setClipPath(shape);
    ArtKit::landscape(p, all, 172, 2);
    ArtKit::cloud(p, QPointF(140, 36), 54);
    ArtKit::cloud(p, QPointF(36, 120), 44);
    ArtKit::kite(p, QPointF(94, 74), 104, -14);
    ArtKit::rainbowText(p, QRectF(card.left(), 180, card.width(), 40), QStringLiteral("Lexikite"), 31,
                        {Palette::Red, Palette::Orange, Palette::Yellow.darker(108), Palette::Green,
                         Palette::Blue, Palette::Purple, Palette::Pink, Palette::Red},
                        Qt::white, 6);
    p.restore();
    p.setPen(QPen(Qt::white, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
}

void paintStrip(QPainter& p, const ArtKit&, QSize size) {
    const QRectF all(QPointF(0, 0), QSizeF(size));
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(70, 132, 204));
    g.setColorAt(1, QColor(44, 96, 168));
    p.fillRect(all, g);
    p.fillRect(QRectF(0, 0, size.width(), 2), QColor(255, 255, 255, 90));
    p.fillRect(QRectF(0, size.height() - 1, size.width(), 1), QColor(20, 50, 100, 120));
}
