// WindowDrag: lets a frameless window be moved by dragging the widgets it watches.
#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

class WindowDrag : public QObject {
public:
    // Moves `window` when the left button drags over any widget passed to watch().
    explicit WindowDrag(QWidget* window);
    void watch(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    QPoint grabOffset_;
    bool dragging_ = false;
};
