// LevelMeter: levelMeter_ with its grey cover cover_: n tenths of the bar uncovered from the bottom.
#pragma once

#include <QWidget>

class LevelMeter : public QWidget {
    Q_OBJECT
public:
    // The cover's colour, a light grey.
    static constexpr int CoverGrey = 241;

    explicit LevelMeter(QWidget* parent = nullptr);

    void setTenths(int tenths);
    int tenths() const { return tenths_; }
    // cover_, inside the bar's well; its top is -(n × a tenth of the well's height).
    QWidget* cover() const { return cover_; }
    int innerHeight() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeCover();

    QWidget* well_ = nullptr;
    QWidget* cover_ = nullptr;
    int tenths_ = 0;
};
