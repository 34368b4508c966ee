// HotSpot: an invisible clickable area laid over a background picture.
#pragma once

#include <QWidget>

class HotSpot : public QWidget {
    Q_OBJECT
public:
    HotSpot(int index, QWidget* parent = nullptr);
    int index() const { return index_; }

public slots:
    // What a click does: Enter, Space and a screen reader's press come here too.
    void click();

signals:
    // The pointer entered or moved over the spot, or the keyboard brought the focus to it.
    void hovered(int index);
    void clicked(int index);
    // The keyboard took the focus away.
    void left(int index);

protected:
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int index_;
    bool pressed_ = false;
};
