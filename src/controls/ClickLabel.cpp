// ClickLabel: click on release inside, as a push button does.
#include "controls/ClickLabel.h"

#include <QMouseEvent>

#include "controls/WindowHelpers.h"

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {
    setHandCursor(this);
}

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setHandCursor(this);
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
    if (click) emit clicked();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
    if (event->button() == Qt::LeftButton) emit doubleClicked();
}
