// Drawings: the pictures we draw ourselves where no artwork fits (shapes, an igloo, a dragonfly).
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
