// KiteLogo: a bright four-colour kite with a ribboned tail.
#include "windows/KiteLogo.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>

QPixmap kiteLogo(int size) {
    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull() && !icon.availableSizes().isEmpty()) return icon.pixmap(size, size);

    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 100.0, size / 100.0);

    const QPointF top(50, 6), left(18, 40), right(82, 40), bottom(50, 78), centre(50, 40);
    const QColor colours[] = {QColor(0xF2, 0x5C, 0x54), QColor(0xF7, 0xB5, 0x38), QColor(0x3D, 0xA5, 0xD9),
                              QColor(0x73, 0xBA, 0x4D)};
    const QPointF corners[][2] = {{top, left}, {top, right}, {left, bottom}, {right, bottom}};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(colours[i]);
        p.drawPolygon(QPolygonF({centre, corners[i][0], corners[i][1]}));
    }
    p.setPen(QPen(QColor(0x5A, 0x3E, 0x2B), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF({top, right, bottom, left}));
    p.drawLine(top, bottom);
    p.drawLine(left, right);

    QPainterPath tail(bottom);
    tail.cubicTo(QPointF(40, 86), QPointF(62, 90), QPointF(48, 98));
    p.drawPath(tail);
    p.setPen(Qt::NoPen);
    p.setBrush(colours[0]);
    p.drawEllipse(QPointF(45, 85), 3.5, 2.5);
    p.setBrush(colours[2]);
    p.drawEllipse(QPointF(53, 92), 3.5, 2.5);
    return pixmap;
}
