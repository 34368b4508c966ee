// WindowHelpers: the hand cursor over clickable things and dragging a borderless window by its background.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class QWidget;

// Shows the hand cursor while the pointer is over the widget; the normal one comes back when it moves on.
void setHandCursor(QWidget* widget);

// Starts moving the window with the pointer through the window manager; false when the platform cannot,
// in which case the caller moves the window itself.
bool dragWindow(QWidget* window);

// Lets the learner drag a borderless window by pressing on the given background and moving.
class backgroundDragged : public QObject {
public:
    // Watches background (the window itself or a widget filling it) and moves window.
    backgroundDragged(QWidget* background, QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
    QPoint grabOffset_;
    bool pressed_ = false;
    bool systemMove_ = false;
};
