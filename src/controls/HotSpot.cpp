// HotSpot: transparent area with hover and click.
#include "controls/HotSpot.h"

#include <QMouseEvent>

#include "controls/KeyMoves.h"
#include "controls/WindowHelpers.h"

HotSpot::HotSpot(int index, QWidget* parent) : QWidget(parent), index_(index) {
    setMouseTracking(true);
    setHandCursor(this);
    // Tab only: a click never leaves a focus behind for the pointer to see.
    setFocusPolicy(Qt::TabFocus);
}

void HotSpot::click() {
    if (isEnabled()) emit clicked(index_);
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
    if (click) this->click();
}

void HotSpot::keyPressEvent(QKeyEvent* event) {
    if (KeyMoves::isPress(event))
        click();
    else
        QWidget::keyPressEvent(event);
}

void HotSpot::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (KeyMoves::byKeyboard(event)) emit hovered(index_);
}

void HotSpot::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    emit left(index_);
}
