// HotSpot: transparent area with hover and click.
#include "controls/HotSpot.h"

#include <QMouseEvent>

#include "controls/WindowHelpers.h"

HotSpot::HotSpot(int index, QWidget* parent) : QWidget(parent), index_(index) {
    setMouseTracking(true);
    setHandCursor(this);
}

void HotSpot::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    emit hovered(index_);
}

void HotSpot::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit hovered(index_);
}

void HotSpot::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void HotSpot::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) emit clicked(index_);
}
