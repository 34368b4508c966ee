// PressableWidget: the pointer handling both picture buttons share.
#include "controls/PressableWidget.h"

#include <QMouseEvent>
#include <QPointer>

#include "controls/KeyMoves.h"

// Tab only: a click never leaves a focus behind for the pointer to see.
PressableWidget::PressableWidget(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::TabFocus);
}

void PressableWidget::click() {
    if (isEnabled()) emit clicked();
}

void PressableWidget::forgetPress() {
    pressed_ = false;
    afterDoubleClick_ = false;
}

void PressableWidget::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    if (!pressed_ && !afterDoubleClick_) showLook(Look::Highlighted);
}

// Leaving puts the normal face back at once; no polling needed.
void PressableWidget::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    afterDoubleClick_ = false;
    if (isEnabled() && !(pressedFaceHeld_ && pressed_)) showLook(Look::Normal);
}

void PressableWidget::mouseMoveEvent(QMouseEvent* event) {
    const bool held = pressedFaceHeld_ ? bool(event->buttons() & Qt::LeftButton) : pressed_;
    if (!held) {
        afterDoubleClick_ = false;
        showLook(Look::Highlighted);
    }
}

void PressableWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    // A press always starts a new click, even when the pointer has not moved since a double-click.
    pressed_ = true;
    afterDoubleClick_ = false;
    showLook(Look::Pressed);
}

void PressableWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (afterDoubleClick_) return; // the double-click already raised its Click and keeps the pressed face
    const bool inside = rect().contains(event->position().toPoint());
    showLook(inside || !pressedFaceHeld_ ? Look::Highlighted : Look::Normal);
    if (wasPressed && inside) click();
}

// The second click of a pair raises Click too, then shows the pressed face until the pointer moves on.
void PressableWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressed_ = false;
    afterDoubleClick_ = true;
    QPointer<PressableWidget> alive(this);
    emit clicked();
    if (alive && isEnabled()) showLook(Look::Pressed);
}

void PressableWidget::keyPressEvent(QKeyEvent* event) {
    if (KeyMoves::isPress(event))
        click();
    else
        QWidget::keyPressEvent(event);
}

// The keyboard's focus shows as the pointer's hover does.
void PressableWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (KeyMoves::byKeyboard(event) && isEnabled() && !pressed_) showLook(Look::Highlighted);
}

void PressableWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (isEnabled() && !pressed_ && !underMouse()) showLook(Look::Normal);
}
