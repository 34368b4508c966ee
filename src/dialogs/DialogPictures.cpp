// DialogPictures: the icon and play button from the artwork; the close cross is drawn.
#include "dialogs/DialogPictures.h"

#include <QPainter>

#include "app/ArtPaths.h"
#include "controls/ButtonFaces.h"

namespace {
QPixmap fitted(const QPixmap& picture, int size, qreal dpr) {
    if (picture.isNull()) return {};
    QPixmap pm = picture.scaled(QSize(size, size) * dpr, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    pm.setDevicePixelRatio(dpr);
    return pm;
}
} // namespace

namespace DialogPictures {

QPixmap programIcon(int size, qreal dpr) {
    return fitted(ButtonFaces::cachedArt(Art::Icon, dpr), size, dpr);
}

QPixmap playButton(int size, qreal dpr) {
    return fitted(ButtonFaces::cachedArt(Art::Play, dpr), size, dpr);
}

QPixmap closeCross(int size, qreal dpr) {
    QPixmap pm(QSize(size, size) * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(150, 30, 30), 2));
    p.setBrush(QColor(220, 70, 60));
    p.drawEllipse(QRectF(1, 1, size - 2, size - 2));
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(size * 0.32, size * 0.32), QPointF(size * 0.68, size * 0.68));
    p.drawLine(QPointF(size * 0.68, size * 0.32), QPointF(size * 0.32, size * 0.68));
    return pm;
}

} // namespace DialogPictures
