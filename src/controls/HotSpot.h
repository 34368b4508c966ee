// HotSpot: an invisible clickable area laid over a background picture.
#pragma once

#include <QWidget>

class HotSpot : public QWidget {
    Q_OBJECT
public:
    HotSpot(int index, QWidget* parent = nullptr);
    int index() const { return index_; }

signals:
    // The pointer entered or moved over the spot.
    void hovered(int index);
    void clicked(int index);

protected:
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int index_;
    bool pressed_ = false;
};
