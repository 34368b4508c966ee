// WindowHelpers: hand cursor and background dragging.
#include "controls/WindowHelpers.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

void setHandCursor(QWidget* widget) {
    if (widget) widget->setCursor(Qt::PointingHandCursor);
}

bool dragWindow(QWidget* window) {
    if (!window) return false;
    QWindow* handle = window->window()->windowHandle();
    return handle && handle->startSystemMove();
}

backgroundDragged::backgroundDragged(QWidget* background, QWidget* window) : QObject(background), window_(window) {
    background->installEventFilter(this);
}

bool backgroundDragged::eventFilter(QObject* watched, QEvent* event) {
    if (!window_) return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() != Qt::LeftButton) break;
        pressed_ = true;
        systemMove_ = false;
        grabOffset_ = me->globalPosition().toPoint() - window_->pos();
        break;
    }
    case QEvent::MouseMove: {
        auto* me = static_cast<QMouseEvent*>(event);
        if (!pressed_ || !(me->buttons() & Qt::LeftButton)) break;
        // The window manager moves it when it can; otherwise follow the pointer ourselves.
        if (!systemMove_) systemMove_ = dragWindow(window_);
        if (systemMove_) {
            pressed_ = false;
        } else {
            window_->move(me->globalPosition().toPoint() - grabOffset_);
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
        pressed_ = false;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
