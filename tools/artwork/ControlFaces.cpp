// ControlFaces: the image button faces, the toolbar badges and the small game icons.
#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

#include "ArtKit.h"
#include "Pictures.h"

void paintButton(QPainter& p, QSize size, Face face) {
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1, 1, -1, -1);
    const qreal radius = r.height() / 2.6;
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    if (face == Face::Disabled) {
        // Flat in the control's background colour, so a caption in that colour disappears.
        p.setPen(QPen(QColor(226, 194, 90), 1.5));
        p.setBrush(Palette::ButtonYellow);
        p.drawPath(path.translated(0, 0));
        return;
    }
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    QColor rim;
    switch (face) {
    case Face::Normal:
        g.setColorAt(0, QColor(255, 238, 160));
        g.setColorAt(1, QColor(250, 204, 74));
        rim = QColor(214, 150, 30);
        break;
    case Face::Hover:
        g.setColorAt(0, QColor(255, 248, 200));
        g.setColorAt(1, QColor(255, 218, 100));
        rim = QColor(240, 140, 30);
        break;
    default:
        // Dark enough for the white caption the pressed state shows.
        g.setColorAt(0, QColor(196, 96, 20));
        g.setColorAt(1, QColor(222, 124, 30));
        rim = QColor(160, 80, 16);
        break;
    }
    p.setPen(QPen(rim, face == Face::Hover ? 2.2 : 1.6));
    p.setBrush(g);
    p.drawPath(path);
    if (face != Face::Pressed) {
        QPainterPath gloss;
        const QRectF top = r.adjusted(4, 2.5, -4, -r.height() * 0.52);
        gloss.addRoundedRect(top, top.height() / 2, top.height() / 2);
        p.fillPath(gloss, QColor(255, 255, 255, face == Face::Hover ? 120 : 90));
    } else {
        // A shadow along the inside of the top edge makes it look pushed in.
        p.save();
        p.setClipPath(path);
        p.setPen(QPen(QColor(120, 50, 0, 110), 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(QPainterPath(path).translated(0, 1.5));
        p.restore();
    }
}

namespace {
QPainterPath houseGlyph(QPointF c, qreal s) {
    QPainterPath roof;
    roof.moveTo(c + QPointF(0, -s * 0.5));
    roof.lineTo(c + QPointF(s * 0.52, -s * 0.02));
    roof.lineTo(c + QPointF(s * 0.36, -s * 0.02));
    roof.lineTo(c + QPointF(s * 0.36, s * 0.44));
    roof.lineTo(c + QPointF(-s * 0.36, s * 0.44));
    roof.lineTo(c + QPointF(-s * 0.36, -s * 0.02));
    roof.lineTo(c + QPointF(-s * 0.52, -s * 0.02));
    roof.closeSubpath();
    QPainterPath door;
    door.addRoundedRect(QRectF(c.x() - s * 0.1, c.y() + s * 0.14, s * 0.2, s * 0.3), 2, 2);
    return roof.subtracted(door);
}

QPainterPath gridGlyph(QPointF c, qreal s) {
    // Six squares: the six games.
    QPainterPath path;
    const qreal cell = s * 0.26, gap = s * 0.1;
    const qreal w = 3 * cell + 2 * gap, h = 2 * cell + gap;
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col)
            path.addRoundedRect(
                QRectF(c.x() - w / 2 + col * (cell + gap), c.y() - h / 2 + row * (cell + gap), cell, cell),
                2.5, 2.5);
    return path;
}

QPainterPath gearGlyph(QPointF c, qreal s) {
    QPainterPath path;
    const int teeth = 8;
    const qreal outer = s * 0.46, inner = s * 0.34;
    for (int i = 0; i < teeth * 4; ++i) {
        const qreal a = (i - 0.5) * M_PI * 2 / (teeth * 4);
        const qreal r = (i % 4 < 2) ? outer : inner;
        const QPointF pt = c + QPointF(std::cos(a), std::sin(a)) * r;
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, s * 0.14, s * 0.14);
    return path.subtracted(hole);
}

QPainterPath infoGlyph(QPointF c, qreal s) {
    QPainterPath path;
    path.addEllipse(c + QPointF(0, -s * 0.3), s * 0.09, s * 0.09);
    path.addRoundedRect(QRectF(c.x() - s * 0.08, c.y() - s * 0.12, s * 0.16, s * 0.52), s * 0.06, s * 0.06);
    return path.simplified();
}

QPainterPath chatGlyph(QPointF c, qreal s) {
    // A speech bubble with a heart: friends talking.
    QPainterPath bubble;
    const QRectF body(c.x() - s * 0.46, c.y() - s * 0.38, s * 0.92, s * 0.62);
    bubble.addRoundedRect(body, s * 0.2, s * 0.2);
    QPainterPath tail;
    tail.moveTo(c + QPointF(-s * 0.22, s * 0.18));
    tail.lineTo(c + QPointF(-s * 0.3, s * 0.44));
    tail.lineTo(c + QPointF(-s * 0.02, s * 0.2));
    tail.closeSubpath();
    bubble = bubble.united(tail);
    const QPainterPath heart = ArtKit::heart(QRectF(c.x() - s * 0.2, c.y() - s * 0.24, s * 0.4, s * 0.36));
    return bubble.subtracted(heart);
}

void badge(QPainter& p, const QRectF& circle, const QColor& colour, Face face) {
    QPainterPath disc;
    disc.addEllipse(circle);
    if (face != Face::Pressed) ArtKit::shadow(p, disc, QPointF(0, 2), 1.0);
    QColor base = colour;
    if (face == Face::Hover) base = colour.lighter(106);
    if (face == Face::Pressed) base = colour.darker(120);
    QRadialGradient g(circle.center() + QPointF(0, -circle.height() * 0.25), circle.width() * 0.7);
    g.setColorAt(0, base.lighter(118));
    g.setColorAt(1, base);
    p.save();
    p.setPen(QPen(face == Face::Hover ? QColor(255, 244, 170) : QColor(255, 255, 255, 230),
                  face == Face::Hover ? 3.2 : 2.2));
    p.setBrush(g);
    p.drawPath(disc);
    p.restore();
}
} // namespace

void paintBar(QPainter& p, const ArtKit&, QSize size, BarKind kind, Face face) {
    const qreal d = 42;
    const qreal drop = face == Face::Pressed ? 1.5 : 0;
    const QPointF centre(size.width() / 2.0, size.height() / 2.0 - 1 + drop);
    const QRectF circle(centre.x() - d / 2, centre.y() - d / 2, d, d);
    QColor colour;
    QPainterPath glyph;
    const qreal g = d * 0.62;
    switch (kind) {
    case BarKind::Social:
        colour = Palette::Pink;
        glyph = chatGlyph(centre, g);
        break;
    case BarKind::Home:
        colour = Palette::Orange;
        glyph = houseGlyph(centre + QPointF(0, -1), g);
        break;
    case BarKind::Menu:
        colour = Palette::Green;
        glyph = gridGlyph(centre, g);
        break;
    case BarKind::About:
        colour = Palette::Blue;
        glyph = infoGlyph(centre, g);
        break;
    case BarKind::Settings:
        colour = Palette::Purple;
        glyph = gearGlyph(centre, g);
        break;
    }
    badge(p, circle, colour, face);
    p.fillPath(glyph.translated(0, 1), QColor(0, 0, 0, 40));
    p.fillPath(glyph, Qt::white);
}

void paintSmallIcon(QPainter& p, const ArtKit&, QSize size, SmallIcon icon) {
    const QRectF all(QPointF(0, 0), QSizeF(size));
    if (icon == SmallIcon::Prev || icon == SmallIcon::Next) {
        const QRectF pill = all.adjusted(2, 2, -2, -3);
        QPainterPath path;
        path.addRoundedRect(pill, pill.height() / 2, pill.height() / 2);
        ArtKit::shadow(p, path, QPointF(0, 1.5), 0.8);
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(Palette::Green);
        p.drawPath(path);
        const qreal dir = icon == SmallIcon::Next ? 1 : -1;
        const QPointF c = pill.center();
        QPainterPath tri;
        tri.moveTo(c + QPointF(dir * 9, 0));
        tri.lineTo(c + QPointF(-dir * 6, -9));
        tri.lineTo(c + QPointF(-dir * 6, 9));
        tri.closeSubpath();
        p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::white);
        p.drawPath(tri);
        return;
    }
    const qreal d = std::min(size.width(), size.height()) - 5;
    const QRectF circle(all.center().x() - d / 2, all.center().y() - d / 2 - 1, d, d);
    badge(p, circle, icon == SmallIcon::Play ? Palette::Blue : Palette::Orange, Face::Normal);
    const QPointF c = circle.center();
    const qreal s = d;
    p.save();
    if (icon == SmallIcon::Play) {
        // A loudspeaker with one sound wave.
        QPainterPath speaker;
        speaker.moveTo(c + QPointF(-s * 0.3, -s * 0.1));
        speaker.lineTo(c + QPointF(-s * 0.16, -s * 0.1));
        speaker.lineTo(c + QPointF(s * 0.04, -s * 0.26));
        speaker.lineTo(c + QPointF(s * 0.04, s * 0.26));
        speaker.lineTo(c + QPointF(-s * 0.16, s * 0.1));
        speaker.lineTo(c + QPointF(-s * 0.3, s * 0.1));
        speaker.closeSubpath();
        p.fillPath(speaker, Qt::white);
        p.setPen(QPen(Qt::white, s * 0.07, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c.x() - s * 0.1, c.y() - s * 0.2, s * 0.4, s * 0.4), -50 * 16, 100 * 16);
    } else {
        // Back to the game menu: an arrow turning back.
        p.setPen(QPen(Qt::white, s * 0.11, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath arc(c + QPointF(-s * 0.14, -s * 0.1));
        arc.lineTo(c + QPointF(s * 0.08, -s * 0.1));
        arc.cubicTo(c + QPointF(s * 0.34, -s * 0.1), c + QPointF(s * 0.34, s * 0.24),
                    c + QPointF(s * 0.08, s * 0.24));
        arc.lineTo(c + QPointF(-s * 0.12, s * 0.24));
        p.drawPath(arc);
        QPainterPath head;
        head.moveTo(c + QPointF(-s * 0.32, -s * 0.1));
        head.lineTo(c + QPointF(-s * 0.1, -s * 0.28));
        head.lineTo(c + QPointF(-s * 0.1, s * 0.08));
        head.closeSubpath();
        p.setPen(QPen(Qt::white, s * 0.04, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::white);
        p.drawPath(head);
    }
    p.restore();
}
