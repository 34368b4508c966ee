// ButtonFaces: loads the faces once into the pixmap cache; draws plain faces where the artwork is missing.
#include "controls/ButtonFaces.h"

#include <functional>

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>

namespace {

QPixmap fromArtwork(const QString& path, const QSize& size) {
    if (!QFile::exists(path)) return {};
    QPixmap pm(path);
    if (pm.isNull()) return {};
    return pm.size() == size ? pm : pm.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QPixmap drawnTextButton(int face) {
    QPixmap pm(148, 37);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor fill[] = {QColor(255, 236, 160), QColor(255, 246, 200), QColor(214, 150, 40)};
    const QColor edge[] = {QColor(200, 150, 40), QColor(230, 120, 20), QColor(150, 90, 20)};
    // Edge to edge, so the control's own yellow ground only shows through the softened corners.
    p.setPen(QPen(edge[face], 2));
    p.setBrush(fill[face]);
    p.drawRoundedRect(QRectF(1, 1, 146, 35), 5, 5);
    return pm;
}

void drawGlyph(QPainter& p, int kind, const QRectF& r) {
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF c = r.center();
    switch (kind) {
    case 1: { // social page: a lower-case f
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setBold(true);
        f.setPixelSize(26);
        p.setFont(f);
        p.drawText(r, Qt::AlignCenter, QStringLiteral("f"));
        break;
    }
    case 2: { // home: a house
        QPainterPath path;
        path.moveTo(c.x() - 11, c.y() + 10);
        path.lineTo(c.x() - 11, c.y() - 2);
        path.lineTo(c.x(), c.y() - 12);
        path.lineTo(c.x() + 11, c.y() - 2);
        path.lineTo(c.x() + 11, c.y() + 10);
        path.closeSubpath();
        p.drawPath(path);
        p.drawRect(QRectF(c.x() - 3, c.y() + 2, 6, 8));
        break;
    }
    case 3: // game menu: four tiles
        for (int i = 0; i < 4; ++i)
            p.drawRect(QRectF(c.x() - 11 + (i % 2) * 13, c.y() - 11 + (i / 2) * 13, 9, 9));
        break;
    case 4: { // about: an i
        p.drawLine(QPointF(c.x(), c.y() - 2), QPointF(c.x(), c.y() + 10));
        p.setBrush(Qt::white);
        p.drawEllipse(c + QPointF(0, -10), 1.5, 1.5);
        break;
    }
    case 5: // settings: a cog
        p.drawEllipse(c, 6, 6);
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(c);
            p.rotate(45 * i);
            p.drawLine(QPointF(0, 8), QPointF(0, 12));
            p.restore();
        }
        break;
    default:
        break;
    }
}

QPixmap drawnToolbarButton(int kind, int face) {
    QPixmap pm(56, 51);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colours[] = {QColor(59, 89, 152), QColor(230, 90, 60), QColor(60, 160, 90),
                              QColor(70, 130, 200), QColor(150, 100, 190)};
    QColor base = colours[kind - 1];
    if (face == 1) base = base.lighter(125);
    if (face == 2) base = base.darker(130);
    p.setPen(QPen(face == 1 ? QColor(255, 240, 150) : base.darker(140), face == 1 ? 3 : 2));
    p.setBrush(base);
    const QRectF disc(6, 3 + (face == 2 ? 1 : 0), 44, 44);
    p.drawEllipse(disc);
    drawGlyph(p, kind, disc);
    return pm;
}

QPixmap cached(const QString& key, const std::function<QPixmap()>& make) {
    QPixmap pm;
    if (QPixmapCache::find(key, &pm)) return pm;
    pm = make();
    QPixmapCache::insert(key, pm);
    return pm;
}

const char* const FaceNames[] = {"normal", "hover", "pressed"};
const char* const KindNames[] = {"social", "home", "menu", "about", "settings"};

} // namespace

namespace ButtonFaces {

QPixmap textButton(int face) {
    face = qBound(0, face, 2);
    return cached(QStringLiteral("lexikite-btn-%1").arg(face), [face] {
        QPixmap pm =
            fromArtwork(QStringLiteral(":/art/controls/button_%1.png").arg(QLatin1String(FaceNames[face])),
                        QSize(148, 37));
        return pm.isNull() ? drawnTextButton(face) : pm;
    });
}

QPixmap toolbarButton(int kind, int face) {
    if (kind < 1 || kind > 5) return {};
    face = qBound(0, face, 2);
    return cached(QStringLiteral("lexikite-bar-%1-%2").arg(kind).arg(face), [kind, face] {
        QPixmap pm = fromArtwork(QStringLiteral(":/art/controls/bar_%1_%2.png")
                                     .arg(QLatin1String(KindNames[kind - 1]), QLatin1String(FaceNames[face])),
                                 QSize(56, 51));
        return pm.isNull() ? drawnToolbarButton(kind, face) : pm;
    });
}

} // namespace ButtonFaces
