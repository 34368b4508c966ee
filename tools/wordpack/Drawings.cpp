// Drawings: the pictures we draw ourselves where no artwork fits (shapes, an igloo, insects, a xylophone).
#include "Drawings.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <functional>

namespace {

// Positions are given in a unit box (-0.5 .. 0.5 on both axes) and scaled here.
struct Unit {
    QRectF box;
    QPointF at(double x, double y) const {
        return {box.center().x() + x * box.width(), box.center().y() + y * box.height()};
    }
    double len(double v) const { return v * box.width(); }
    QRectF rect(double x, double y, double w, double h) const {
        return QRectF(at(x, y), QSizeF(len(w), len(h)));
    }
};

void paintShape(QPainter& p, const Unit& u, const QPainterPath& path, const QBrush& fill, const QColor& edge) {
    p.setPen(QPen(edge, u.len(0.018), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
}

void paintShape(QPainter& p, const Unit& u, const QPainterPath& path, const QColor& fill) {
    paintShape(p, u, path, fill, fill.darker(160));
}

QPainterPath polygon(const Unit& u, std::initializer_list<QPointF> points) {
    QPolygonF poly;
    for (const QPointF& pt : points) poly << u.at(pt.x(), pt.y());
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

QPainterPath regular(const Unit& u, int sides, double radius, double turn = 0) {
    QPolygonF poly;
    for (int i = 0; i < sides; ++i) {
        const double a = -M_PI / 2 + turn + 2 * M_PI * i / sides;
        poly << u.at(radius * std::cos(a), radius * std::sin(a) + 0.03);
    }
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

QPainterPath star(const Unit& u, int points, double outer, double inner) {
    QPolygonF poly;
    for (int i = 0; i < points * 2; ++i) {
        const double r = i % 2 ? inner : outer;
        const double a = -M_PI / 2 + M_PI * i / points;
        poly << u.at(r * std::cos(a), r * std::sin(a) + 0.03);
    }
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

void strokeLine(QPainter& p, const Unit& u, const QPainterPath& path, const QColor& colour) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour.darker(150), u.len(0.1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(colour, u.len(0.065), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

// A box seen from the front and a little above: front face, top face and right face.
void solidBox(QPainter& p, const Unit& u, double w, double h, double depth, const QColor& c) {
    const double x0 = -w / 2 - depth / 4, y0 = -h / 2 + depth / 4;
    const double dx = depth * 0.7, dy = -depth * 0.6;
    QPainterPath front = polygon(u, {{x0, y0}, {x0 + w, y0}, {x0 + w, y0 + h}, {x0, y0 + h}});
    QPainterPath top = polygon(u, {{x0, y0}, {x0 + dx, y0 + dy}, {x0 + w + dx, y0 + dy}, {x0 + w, y0}});
    QPainterPath side =
        polygon(u, {{x0 + w, y0}, {x0 + w + dx, y0 + dy}, {x0 + w + dx, y0 + h + dy}, {x0 + w, y0 + h}});
    paintShape(p, u, front, c, c.darker(170));
    paintShape(p, u, top, c.lighter(130), c.darker(170));
    paintShape(p, u, side, c.darker(125), c.darker(170));
}

void sphere(QPainter& p, const Unit& u, const QColor& c) {
    QRadialGradient g(u.at(-0.14, -0.14), u.len(0.55));
    g.setColorAt(0, c.lighter(170));
    g.setColorAt(0.55, c);
    g.setColorAt(1, c.darker(170));
    QPainterPath path;
    path.addEllipse(u.at(0, 0.02), u.len(0.42), u.len(0.42));
    paintShape(p, u, path, g, c.darker(180));
}

QLinearGradient sideLight(const Unit& u, double left, double right, const QColor& c) {
    QLinearGradient g(u.at(left, 0), u.at(right, 0));
    g.setColorAt(0, c.lighter(140));
    g.setColorAt(0.45, c);
    g.setColorAt(1, c.darker(150));
    return g;
}

void cylinder(QPainter& p, const Unit& u, const QColor& c) {
    const double w = 0.56, top = -0.32, bottom = 0.32, rim = 0.1;
    QPainterPath body;
    body.moveTo(u.at(-w / 2, top));
    body.lineTo(u.at(-w / 2, bottom));
    body.arcTo(u.rect(-w / 2, bottom - rim, w, 2 * rim), 180, 180);
    body.lineTo(u.at(w / 2, top));
    body.closeSubpath();
    paintShape(p, u, body, sideLight(u, -w / 2, w / 2, c), c.darker(170));
    QPainterPath lid;
    lid.addEllipse(u.rect(-w / 2, top - rim, w, 2 * rim));
    paintShape(p, u, lid, c.lighter(125), c.darker(170));
}

void cone(QPainter& p, const Unit& u, const QColor& c) {
    const double w = 0.66, top = -0.4, bottom = 0.3, rim = 0.1;
    QPainterPath body;
    body.moveTo(u.at(0, top));
    body.lineTo(u.at(-w / 2, bottom));
    body.arcTo(u.rect(-w / 2, bottom - rim, w, 2 * rim), 180, 180);
    body.closeSubpath();
    paintShape(p, u, body, sideLight(u, -w / 2, w / 2, c), c.darker(170));
}

void pyramid(QPainter& p, const Unit& u, const QColor& c) {
    const QPointF apex(0.02, -0.42), left(-0.42, 0.3), front(-0.05, 0.4), right(0.42, 0.26);
    paintShape(p, u, polygon(u, {apex, left, front}), c.lighter(115), c.darker(170));
    paintShape(p, u, polygon(u, {apex, front, right}), c.darker(125), c.darker(170));
}

// A triangular prism lying on its side: the end triangle in front, the long roof face going back.
void prism(QPainter& p, const Unit& u, const QColor& c) {
    const QPointF a(-0.46, 0.3), b(-0.04, 0.3), t(-0.25, -0.1);
    const QPointF d(0.48, -0.16);
    paintShape(p, u, polygon(u, {t, b, b + d, t + d}), c.darker(125), c.darker(170));
    paintShape(p, u, polygon(u, {a, b, t}), c.lighter(115), c.darker(170));
}

void heart(QPainter& p, const Unit& u, const QColor& c) {
    QPainterPath path;
    path.moveTo(u.at(0, 0.42));
    path.cubicTo(u.at(-0.2, 0.26), u.at(-0.46, 0.08), u.at(-0.44, -0.14));
    path.cubicTo(u.at(-0.42, -0.38), u.at(-0.1, -0.44), u.at(0, -0.22));
    path.cubicTo(u.at(0.1, -0.44), u.at(0.42, -0.38), u.at(0.44, -0.14));
    path.cubicTo(u.at(0.46, 0.08), u.at(0.2, 0.26), u.at(0, 0.42));
    paintShape(p, u, path, c);
}

void crescent(QPainter& p, const Unit& u, const QColor& c) {
    QPainterPath moon;
    moon.addEllipse(u.at(0, 0), u.len(0.42), u.len(0.42));
    QPainterPath bite;
    bite.addEllipse(u.at(0.2, -0.08), u.len(0.36), u.len(0.36));
    paintShape(p, u, moon.subtracted(bite), c);
}

void arrow(QPainter& p, const Unit& u, const QColor& c) {
    paintShape(p, u,
               polygon(u, {{-0.44, -0.1}, {0.06, -0.1}, {0.06, -0.3}, {0.45, 0}, {0.06, 0.3}, {0.06, 0.1},
                           {-0.44, 0.1}}),
               c);
}

void spiral(QPainter& p, const Unit& u, const QColor& c) {
    QPainterPath path;
    for (int i = 0; i <= 360; ++i) {
        const double a = i / 360.0 * 3.2 * 2 * M_PI;
        const double r = 0.02 + 0.4 * i / 360.0;
        const QPointF pt = u.at(r * std::cos(a), r * std::sin(a));
        i == 0 ? path.moveTo(pt) : path.lineTo(pt);
    }
    strokeLine(p, u, path, c);
}

void zigzag(QPainter& p, const Unit& u, const QColor& c) {
    QPainterPath path;
    path.moveTo(u.at(-0.42, 0.2));
    for (int i = 1; i <= 6; ++i) path.lineTo(u.at(-0.42 + i * 0.14, i % 2 ? -0.2 : 0.2));
    strokeLine(p, u, path, c);
}

void wave(QPainter& p, const Unit& u, const QColor& c) {
    QPainterPath path;
    for (int i = 0; i <= 200; ++i) {
        const double x = -0.42 + 0.84 * i / 200.0;
        const QPointF pt = u.at(x, 0.16 * std::sin(x * 2 * M_PI * 2.2));
        i == 0 ? path.moveTo(pt) : path.lineTo(pt);
    }
    strokeLine(p, u, path, c);
}

void igloo(QPainter& p, const Unit& u) {
    const QColor ice(232, 244, 252), line(150, 190, 215);
    QPainterPath ground;
    ground.addEllipse(u.rect(-0.48, 0.26, 0.96, 0.16));
    paintShape(p, u, ground, QColor(250, 253, 255), line);
    QPainterPath dome;
    dome.moveTo(u.at(-0.42, 0.34));
    dome.arcTo(u.rect(-0.42, -0.38, 0.84, 1.44), 180, -180);
    dome.closeSubpath();
    paintShape(p, u, dome, ice, line.darker(120));
    // Rows and joints of the ice blocks, clipped to the dome.
    p.save();
    p.setClipPath(dome);
    p.setPen(QPen(line, u.len(0.012)));
    const double rows[] = {0.2, 0.04, -0.12, -0.26};
    for (int r = 0; r < 4; ++r) {
        p.drawLine(u.at(-0.5, rows[r]), u.at(0.5, rows[r]));
        const double below = r == 0 ? 0.34 : rows[r - 1];
        for (double x = -0.5 + (r % 2) * 0.08; x < 0.5; x += 0.16)
            p.drawLine(u.at(x, rows[r]), u.at(x, below));
    }
    p.restore();
    // The tunnel entrance.
    QPainterPath tunnel;
    tunnel.moveTo(u.at(-0.2, 0.36));
    tunnel.arcTo(u.rect(-0.2, 0.0, 0.4, 0.5), 180, -180);
    tunnel.closeSubpath();
    paintShape(p, u, tunnel, ice.darker(104), line.darker(120));
    QPainterPath door;
    door.moveTo(u.at(-0.12, 0.36));
    door.arcTo(u.rect(-0.12, 0.08, 0.24, 0.36), 180, -180);
    door.closeSubpath();
    paintShape(p, u, door, QColor(40, 60, 90), QColor(30, 45, 70));
}

void dragonfly(QPainter& p, const Unit& u) {
    const QColor body(22, 160, 170), wing(190, 230, 250, 170), vein(90, 150, 190);
    auto wingAt = [&](double x, double y, double w, double h, double angle) {
        p.save();
        p.translate(u.at(x, y));
        p.rotate(angle);
        QPainterPath path;
        path.addEllipse(QPointF(u.len(w / 2), 0), u.len(w / 2), u.len(h / 2));
        paintShape(p, u, path, wing, vein);
        p.restore();
    };
    // Two pairs of long wings on either side of the thorax.
    for (const double side : {1.0, -1.0}) {
        p.save();
        p.translate(u.at(0, 0));
        p.scale(side, 1);
        p.translate(-u.at(0, 0));
        wingAt(0.02, -0.16, 0.44, 0.15, -12);
        wingAt(0.02, -0.06, 0.4, 0.14, 14);
        p.restore();
    }
    // Long segmented tail.
    for (int i = 0; i < 8; ++i) {
        QPainterPath seg;
        seg.addEllipse(u.at(0, 0.0 + i * 0.055), u.len(0.035 - i * 0.002), u.len(0.034));
        paintShape(p, u, seg, i % 2 ? body : body.lighter(115), body.darker(170));
    }
    QPainterPath thorax;
    thorax.addEllipse(u.at(0, -0.1), u.len(0.06), u.len(0.09));
    paintShape(p, u, thorax, body.darker(110), body.darker(170));
    QPainterPath head;
    head.addEllipse(u.at(0, -0.24), u.len(0.065), u.len(0.055));
    paintShape(p, u, head, body, body.darker(170));
    for (double side : {-1.0, 1.0}) {
        QPainterPath eye;
        eye.addEllipse(u.at(side * 0.055, -0.26), u.len(0.05), u.len(0.05));
        paintShape(p, u, eye, QColor(30, 70, 110), QColor(20, 40, 60));
        QPainterPath shine;
        shine.addEllipse(u.at(side * 0.045, -0.275), u.len(0.014), u.len(0.014));
        paintShape(p, u, shine, Qt::white, Qt::white);
    }
}

// What sets one insect apart from another in a top view: colours, proportions, wings and feelers.
struct InsectLook {
    QColor head, thorax, abdomen;
    QColor stripe;            // bands across the abdomen, when valid
    QColor wing;              // translucent for clear wings
    enum class Wings { None, Clear, Broad } wings = Wings::None;
    double thoraxLength = 0.1, thoraxWidth = 0.09;
    double abdomenLength = 0.3, abdomenWidth = 0.16;
    double headSize = 0.07;
    double waist = 0;         // the gap a wasp has between thorax and abdomen
    double legLength = 0.22;
    bool feathery = false;    // a moth's feelers
    QColor glow;              // a firefly's lit tail, when valid
};

void insect(QPainter& p, const Unit& u, const InsectLook& k) {
    const double thoraxY = -0.18 + k.thoraxLength / 2;
    const double abdomenTop = thoraxY + k.thoraxLength / 2 + k.waist;
    const QColor dark = k.thorax.darker(220);
    // Six jointed legs from the thorax: the front pair reaches forward, the hind pair back.
    p.setPen(QPen(dark, u.len(0.016), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const double reach[3][4] = {{0.5, -0.35, 0.75, -0.9}, {0.6, 0.0, 0.95, 0.2}, {0.55, 0.3, 0.8, 0.95}};
    for (int pair = 0; pair < 3; ++pair) {
        const double y = thoraxY + (pair - 1) * k.thoraxLength * 0.3;
        for (const double side : {-1.0, 1.0}) {
            QPainterPath leg;
            leg.moveTo(u.at(side * k.thoraxWidth * 0.4, y));
            leg.lineTo(u.at(side * (k.thoraxWidth * 0.4 + k.legLength * reach[pair][0]), y + k.legLength * reach[pair][1]));
            leg.lineTo(u.at(side * (k.thoraxWidth * 0.4 + k.legLength * reach[pair][2]), y + k.legLength * reach[pair][3]));
            p.drawPath(leg);
        }
    }
    // Wings lie behind the body.
    for (const double side : {-1.0, 1.0}) {
        if (k.wings == InsectLook::Wings::None) break;
        const bool broad = k.wings == InsectLook::Wings::Broad;
        for (int pair = 0; pair < 2; ++pair) {
            p.save();
            p.translate(u.at(side * k.thoraxWidth * 0.3, thoraxY + (pair ? 0.03 : -0.02)));
            p.rotate(side * (broad ? (pair ? 60 : 20) : (pair ? 35 : 15)));
            const double length = broad ? (pair ? 0.26 : 0.36) : (pair ? 0.24 : 0.3);
            const double width = broad ? (pair ? 0.22 : 0.26) : 0.11;
            QPainterPath w;
            w.addEllipse(QPointF(side * u.len(length / 2), u.len(length * 0.15)), u.len(length / 2), u.len(width / 2));
            paintShape(p, u, w, k.wing, k.wing.darker(170));
            if (broad) {
                QPainterPath spot;
                spot.addEllipse(QPointF(side * u.len(length * 0.6), u.len(length * 0.15)), u.len(0.035), u.len(0.035));
                paintShape(p, u, spot, k.wing.darker(150), k.wing.darker(190));
            }
            p.restore();
        }
    }
    QPainterPath abdomen;
    abdomen.addEllipse(u.rect(-k.abdomenWidth / 2, abdomenTop, k.abdomenWidth, k.abdomenLength));
    paintShape(p, u, abdomen, k.abdomen, k.abdomen.darker(180));
    if (k.stripe.isValid()) {
        p.save();
        p.setClipPath(abdomen);
        p.setPen(Qt::NoPen);
        p.setBrush(k.stripe);
        for (double y = abdomenTop + k.abdomenLength * 0.18; y < abdomenTop + k.abdomenLength; y += k.abdomenLength * 0.22)
            p.drawRect(u.rect(-0.5, y, 1, k.abdomenLength * 0.1));
        p.restore();
    }
    if (k.glow.isValid()) {
        const QPointF tip = u.at(0, abdomenTop + k.abdomenLength * 0.82);
        QRadialGradient halo(tip, u.len(0.2));
        halo.setColorAt(0, k.glow);
        halo.setColorAt(0.35, QColor(k.glow.red(), k.glow.green(), k.glow.blue(), 150));
        halo.setColorAt(1, QColor(k.glow.red(), k.glow.green(), k.glow.blue(), 0));
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(tip, u.len(0.2), u.len(0.2));
    }
    QPainterPath thorax;
    thorax.addEllipse(u.rect(-k.thoraxWidth / 2, thoraxY - k.thoraxLength / 2, k.thoraxWidth, k.thoraxLength));
    paintShape(p, u, thorax, k.thorax, k.thorax.darker(180));
    const double headY = thoraxY - k.thoraxLength / 2 - k.headSize * 0.8;
    // Feelers curve up and out from the head.
    p.setPen(QPen(dark, u.len(0.012), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const double side : {-1.0, 1.0}) {
        QPainterPath feeler;
        feeler.moveTo(u.at(side * 0.02, headY - k.headSize * 0.6));
        feeler.quadTo(u.at(side * 0.04, headY - 0.16), u.at(side * 0.13, headY - 0.2));
        p.drawPath(feeler);
        if (k.feathery)
            for (int i = 1; i < 6; ++i) {
                const QPointF at = feeler.pointAtPercent(i / 6.0);
                p.drawLine(at, at + QPointF(side * u.len(0.025), u.len(0.012)));
                p.drawLine(at, at + QPointF(-side * u.len(0.012), -u.len(0.02)));
            }
    }
    QPainterPath head;
    head.addEllipse(u.at(0, headY), u.len(k.headSize * 0.7), u.len(k.headSize * 0.6));
    paintShape(p, u, head, k.head, k.head.darker(180));
    for (const double side : {-1.0, 1.0}) {
        QPainterPath eye;
        eye.addEllipse(u.at(side * k.headSize * 0.45, headY - k.headSize * 0.1), u.len(k.headSize * 0.22), u.len(k.headSize * 0.22));
        paintShape(p, u, eye, QColor(25, 25, 30), QColor(10, 10, 15));
    }
}

void xylophone(QPainter& p, const Unit& u) {
    const QColor wood(150, 95, 50);
    // Two rails that meet towards the short bars.
    for (const double y : {-0.1, 0.22}) {
        QPainterPath rail = polygon(u, {{-0.44, y - 0.12}, {0.4, y - 0.02}, {0.4, y + 0.02}, {-0.44, y - 0.06}});
        paintShape(p, u, rail, wood, wood.darker(150));
    }
    const QColor colours[] = {{229, 57, 53}, {251, 140, 0}, {253, 216, 53}, {67, 160, 71},
                              {0, 150, 136}, {30, 136, 229}, {63, 81, 181}, {142, 36, 170}};
    for (int i = 0; i < 8; ++i) {
        const double x = -0.41 + i * 0.1, half = 0.27 - i * 0.018;
        const double centre = 0.02 + i * 0.004;
        QPainterPath bar;
        bar.addRoundedRect(u.rect(x, centre - half, 0.075, half * 2), u.len(0.015), u.len(0.015));
        paintShape(p, u, bar, colours[i]);
        for (const double y : {-0.1 - 0.06 + i * 0.013, 0.22 - 0.04 + i * 0.005}) {
            QPainterPath nail;
            nail.addEllipse(u.at(x + 0.0375, y), u.len(0.011), u.len(0.011));
            paintShape(p, u, nail, QColor(220, 220, 225), QColor(120, 120, 130));
        }
    }
    // Two mallets resting across the bars.
    for (const double side : {0.0, 1.0}) {
        p.setPen(QPen(wood.lighter(120), u.len(0.02), Qt::SolidLine, Qt::RoundCap));
        const QPointF head = u.at(-0.05 + side * 0.22, 0.22 - side * 0.02), end = u.at(0.3 + side * 0.14, 0.44);
        p.drawLine(head, end);
        QPainterPath ball;
        ball.addEllipse(head, u.len(0.04), u.len(0.04));
        paintShape(p, u, ball, QColor(240, 240, 235), QColor(150, 150, 140));
    }
}

using Painter = std::function<void(QPainter&, const Unit&)>;

const QList<QPair<QString, Painter>>& table() {
    const QColor red(229, 57, 53), blue(30, 136, 229), green(67, 160, 71), yellow(253, 200, 30),
        orange(251, 140, 0), purple(142, 36, 170), pink(240, 98, 146), teal(0, 150, 136),
        indigo(63, 81, 181);
    auto shape = [](QColor c, std::function<QPainterPath(const Unit&)> make) {
        return Painter([c, make](QPainter& p, const Unit& u) { paintShape(p, u, make(u), c); });
    };
    auto poly = [&](int sides, QColor c) {
        // Even polygons sit on a flat side.
        const double turn = sides % 2 ? 0 : M_PI / sides;
        return shape(c, [sides, turn](const Unit& u) { return regular(u, sides, 0.44, turn); });
    };
    static const QList<QPair<QString, Painter>> all = {
        {"circle", shape(red, [](const Unit& u) { QPainterPath p; p.addEllipse(u.at(0, 0), u.len(0.42), u.len(0.42)); return p; })},
        {"square", shape(blue, [](const Unit& u) { return polygon(u, {{-0.38, -0.38}, {0.38, -0.38}, {0.38, 0.38}, {-0.38, 0.38}}); })},
        {"triangle", shape(green, [](const Unit& u) { return polygon(u, {{0, -0.4}, {0.44, 0.36}, {-0.44, 0.36}}); })},
        {"rectangle", shape(orange, [](const Unit& u) { return polygon(u, {{-0.46, -0.26}, {0.46, -0.26}, {0.46, 0.26}, {-0.46, 0.26}}); })},
        {"oval", shape(purple, [](const Unit& u) { QPainterPath p; p.addEllipse(u.at(0, 0), u.len(0.46), u.len(0.3)); return p; })},
        {"star", shape(yellow, [](const Unit& u) { return star(u, 5, 0.47, 0.2); })},
        {"heart", [pink](QPainter& p, const Unit& u) { heart(p, u, pink.darker(110)); }},
        {"diamond", shape(teal, [](const Unit& u) { return polygon(u, {{0, -0.46}, {0.3, 0}, {0, 0.46}, {-0.3, 0}}); })},
        {"crescent", [yellow](QPainter& p, const Unit& u) { crescent(p, u, yellow); }},
        {"cross", shape(red, [](const Unit& u) { return polygon(u, {{-0.13, -0.42}, {0.13, -0.42}, {0.13, -0.13}, {0.42, -0.13}, {0.42, 0.13}, {0.13, 0.13}, {0.13, 0.42}, {-0.13, 0.42}, {-0.13, 0.13}, {-0.42, 0.13}, {-0.42, -0.13}, {-0.13, -0.13}}); })},
        {"arrow", [blue](QPainter& p, const Unit& u) { arrow(p, u, blue); }},
        {"semicircle", shape(orange, [](const Unit& u) { QPainterPath p; p.moveTo(u.at(-0.44, 0.2)); p.arcTo(u.rect(-0.44, -0.24, 0.88, 0.88), 180, -180); p.closeSubpath(); return p; })},
        {"ring", shape(purple, [](const Unit& u) { QPainterPath p; p.addEllipse(u.at(0, 0), u.len(0.42), u.len(0.42)); p.addEllipse(u.at(0, 0), u.len(0.24), u.len(0.24)); return p; })},
        {"spiral", [green](QPainter& p, const Unit& u) { spiral(p, u, green); }},
        {"zigzag", [red](QPainter& p, const Unit& u) { zigzag(p, u, red); }},
        {"wave", [blue](QPainter& p, const Unit& u) { wave(p, u, blue); }},
        {"pentagon", poly(5, blue)},
        {"hexagon", poly(6, green)},
        {"heptagon", poly(7, orange)},
        {"octagon", poly(8, red)},
        {"nonagon", poly(9, purple)},
        {"decagon", poly(10, teal)},
        {"parallelogram", shape(indigo, [](const Unit& u) { return polygon(u, {{-0.26, -0.26}, {0.46, -0.26}, {0.26, 0.26}, {-0.46, 0.26}}); })},
        {"rhombus", shape(pink, [](const Unit& u) { return polygon(u, {{-0.2, -0.22}, {0.42, -0.22}, {0.2, 0.3}, {-0.42, 0.3}}); })},
        {"kite", shape(yellow, [](const Unit& u) { return polygon(u, {{0, -0.46}, {0.3, -0.14}, {0, 0.46}, {-0.3, -0.14}}); })},
        {"trapezium", shape(orange, [](const Unit& u) { return polygon(u, {{-0.24, -0.24}, {0.24, -0.24}, {0.46, 0.26}, {-0.46, 0.26}}); })},
        {"cube", [blue](QPainter& p, const Unit& u) { solidBox(p, u, 0.56, 0.56, 0.3, blue); }},
        {"cuboid", [green](QPainter& p, const Unit& u) { solidBox(p, u, 0.7, 0.36, 0.3, green); }},
        {"sphere", [red](QPainter& p, const Unit& u) { sphere(p, u, red); }},
        {"cone", [orange](QPainter& p, const Unit& u) { cone(p, u, orange); }},
        {"cylinder", [purple](QPainter& p, const Unit& u) { cylinder(p, u, purple); }},
        {"pyramid", [yellow](QPainter& p, const Unit& u) { pyramid(p, u, yellow.darker(105)); }},
        {"prism", [teal](QPainter& p, const Unit& u) { prism(p, u, teal); }},
        {"igloo", [](QPainter& p, const Unit& u) { igloo(p, u); }},
        {"xylophone", [](QPainter& p, const Unit& u) { xylophone(p, u); }},
        {"wasp", [](QPainter& p, const Unit& u) {
             InsectLook k;
             k.head = k.thorax = QColor(45, 40, 35);
             k.abdomen = QColor(253, 200, 30);
             k.stripe = QColor(35, 30, 25);
             k.wing = QColor(200, 225, 245, 170);
             k.wings = InsectLook::Wings::Clear;
             k.abdomenLength = 0.34, k.abdomenWidth = 0.17, k.waist = 0.03;
             insect(p, u, k);
         }},
        {"moth", [](QPainter& p, const Unit& u) {
             InsectLook k;
             k.head = k.thorax = k.abdomen = QColor(150, 125, 100);
             k.wing = QColor(190, 170, 140);
             k.wings = InsectLook::Wings::Broad;
             k.thoraxWidth = 0.11, k.abdomenLength = 0.26, k.abdomenWidth = 0.12;
             k.legLength = 0.14;
             k.feathery = true;
             insect(p, u, k);
         }},
        {"firefly", [](QPainter& p, const Unit& u) {
             InsectLook k;
             k.head = QColor(40, 35, 35);
             k.thorax = QColor(235, 120, 60);
             k.abdomen = QColor(60, 55, 50);
             k.wing = QColor(70, 65, 60, 200);
             k.wings = InsectLook::Wings::Clear;
             k.glow = QColor(255, 240, 90);
             insect(p, u, k);
         }},
        {"termite", [](QPainter& p, const Unit& u) {
             InsectLook k;
             k.head = QColor(170, 100, 40);
             k.thorax = QColor(235, 215, 180);
             k.abdomen = QColor(245, 230, 200);
             k.headSize = 0.12, k.abdomenLength = 0.32, k.abdomenWidth = 0.2;
             k.legLength = 0.16;
             insect(p, u, k);
         }},
        {"stickinsect", [](QPainter& p, const Unit& u) {
             InsectLook k;
             k.head = k.thorax = k.abdomen = QColor(140, 110, 60);
             k.thoraxLength = 0.26, k.thoraxWidth = 0.04;
             k.abdomenLength = 0.44, k.abdomenWidth = 0.045, k.headSize = 0.05;
             k.legLength = 0.34;
             // Drawn so the whole long body fits: shifted up, as the thorax starts higher than other insects'.
             insect(p, Unit{u.box.translated(0, -u.len(0.08))}, k);
         }},
        {"dragonfly", [](QPainter& p, const Unit& u) {
             // Drawn thin and long, so it is drawn larger to weigh as much as the other pictures.
             const QPointF c = u.box.center();
             const double side = u.box.width() * 1.2;
             dragonfly(p, Unit{QRectF(c.x() - side / 2, c.y() - side / 2 + u.len(0.08), side, side)});
         }},
    };
    return all;
}

} // namespace

namespace Drawings {

QStringList names() {
    QStringList list;
    for (const auto& entry : table()) list << entry.first;
    return list;
}

bool exists(const QString& name) { return names().contains(name); }

bool draw(QPainter& painter, const QString& name, const QRectF& box) {
    for (const auto& entry : table()) {
        if (entry.first != name) continue;
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        entry.second(painter, Unit{box});
        painter.restore();
        return true;
    }
    return false;
}

} // namespace Drawings
