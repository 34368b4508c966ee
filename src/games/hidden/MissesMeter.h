// MissesMeter: the hidden letters' meter: its cover slides down a tenth per miss, uncovering a warning
// colour.
#pragma once

#include <QColor>
#include <QWidget>

class MissesMeter : public QWidget {
    Q_OBJECT
public:
    explicit MissesMeter(QWidget* parent = nullptr);

    // How many tenths the cover has moved down, and the colour it uncovers.
    void setLevel(int tenths, const QColor& colour);
    int tenths() const { return tenths_; }
    QColor colour() const { return colour_; }
    // The cover's rectangle inside the meter, for tests and painting.
    QRect coverRect() const;
    QRect wellRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int tenths_ = 0;
    QColor colour_ = Qt::white;
};
