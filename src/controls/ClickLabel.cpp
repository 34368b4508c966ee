// ClickLabel: click on release inside, as a push button does.
#include "controls/ClickLabel.h"

#include <QMouseEvent>

#include "controls/KeyMoves.h"
#include "controls/WindowHelpers.h"

// Tab only: a click never leaves a focus behind for the pointer to see.
ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {
    setHandCursor(this);
    setFocusPolicy(Qt::TabFocus);
}

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setHandCursor(this);
    setFocusPolicy(Qt::TabFocus);
}

void ClickLabel::click() {
    if (isEnabled()) emit clicked();
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) this->click();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
    if (event->button() == Qt::LeftButton) emit doubleClicked();
}

void ClickLabel::keyPressEvent(QKeyEvent* event) {
    if (KeyMoves::isPress(event))
        click();
    else
        QLabel::keyPressEvent(event);
}
