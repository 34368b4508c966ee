// DialogPictures: artwork where present, simple drawn stand-ins otherwise.
#include "windows/DialogPictures.h"

#include <functional>

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>

namespace {

QPixmap picture(const QString& art, int size, const std::function<void(QPainter&, int)>& draw) {
    const QString key = QStringLiteral("lexikite-dlg-%1-%2").arg(art).arg(size);
    QPixmap pm;
    if (QPixmapCache::find(key, &pm)) return pm;
    if (QFile::exists(art)) pm = QPixmap(art);
    if (!pm.isNull()) {
        pm = pm.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    } else {
        pm = QPixmap(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p, size);
    }
    QPixmapCache::insert(key, pm);
    return pm;
}

} // namespace

namespace DialogPictures {

QPixmap programIcon(int size) {
    return picture(QStringLiteral(":/art/icon.png"), size, [](QPainter& p, int s) {
        QPainterPath kite;
        kite.moveTo(s * 0.5, s * 0.05);
        kite.lineTo(s * 0.9, s * 0.45);
        kite.lineTo(s * 0.5, s * 0.95);
        kite.lineTo(s * 0.1, s * 0.45);
        kite.closeSubpath();
        p.setPen(QPen(QColor(180, 80, 20), 2));
        p.setBrush(QColor(255, 170, 40));
        p.drawPath(kite);
    });
}

QPixmap playButton(int size) {
    return picture(QStringLiteral(":/art/dialogs/play.png"), size, [](QPainter& p, int s) {
        p.setPen(QPen(QColor(30, 120, 50), 2));
        p.setBrush(QColor(70, 180, 90));
        p.drawEllipse(QRectF(1, 1, s - 2, s - 2));
        QPainterPath tri;
        tri.moveTo(s * 0.38, s * 0.28);
        tri.lineTo(s * 0.74, s * 0.5);
        tri.lineTo(s * 0.38, s * 0.72);
        tri.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(tri);
    });
}

QPixmap closeCross(int size) {
    return picture(QStringLiteral(":/art/dialogs/close.png"), size, [](QPainter& p, int s) {
        p.setPen(QPen(QColor(150, 30, 30), 2));
        p.setBrush(QColor(220, 70, 60));
        p.drawEllipse(QRectF(1, 1, s - 2, s - 2));
        p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s * 0.32, s * 0.32), QPointF(s * 0.68, s * 0.68));
        p.drawLine(QPointF(s * 0.68, s * 0.32), QPointF(s * 0.32, s * 0.68));
    });
}

} // namespace DialogPictures
