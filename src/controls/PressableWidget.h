// PressableWidget: what both picture buttons do with the pointer: faces for hover and press, and Click.
#pragma once

#include <QWidget>

class PressableWidget : public QWidget {
    Q_OBJECT
public:
    enum class Look { Normal, Highlighted, Pressed };

public slots:
    // What a click does: Enter, Space and a screen reader's press come here too. A disabled button does
    // nothing.
    void click();

signals:
    // A press and release on the button, and the second click of a double-click too.
    void clicked();

protected:
    explicit PressableWidget(QWidget* parent = nullptr);

    // Shows the look; the button draws its own face for it.
    virtual void showLook(Look look) = 0;
    // The toolbar keeps its pressed face while the press is held, even dragged off the button.
    void setPressedFaceHeld(bool held) { pressedFaceHeld_ = held; }
    // A press or double-click in progress is forgotten (the button was disabled or enabled).
    void forgetPress();

    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool pressed_ = false;
    bool afterDoubleClick_ = false;
    bool pressedFaceHeld_ = false;
};
