// LevelMeter: the level meter every game window shows beside its counter.
#include "games/common/LevelMeter.h"

#include <QLinearGradient>
#include <QPainter>

#include "games/common/RunDisplay.h"

namespace {
constexpr int Border = 3;

// The bar under the cover: warm colours rising from green to gold.
class Well : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QLinearGradient g(0, height(), 0, 0);
        g.setColorAt(0.0, QColor(92, 184, 92));
        g.setColorAt(0.6, QColor(170, 214, 80));
        g.setColorAt(1.0, QColor(255, 200, 60));
        p.fillRect(rect(), g);
        // Ten marks, one per right answer.
        p.setPen(QColor(255, 255, 255, 150));
        for (int i = 1; i < 10; ++i) {
            const int y = height() - i * height() / 10;
            p.drawLine(0, y, width(), y);
        }
    }
};
} // namespace

LevelMeter::LevelMeter(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("levelMeter"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    well_ = new Well(this);
    cover_ = new QWidget(well_);
    cover_->setObjectName(QStringLiteral("cover"));
    cover_->setAutoFillBackground(true);
    QPalette pal = cover_->palette();
    pal.setColor(QPalette::Window, QColor(CoverGrey, CoverGrey, CoverGrey));
    cover_->setPalette(pal);
}

int LevelMeter::innerHeight() const {
    return well_->height();
}

void LevelMeter::setTenths(int tenths) {
    tenths_ = tenths;
    placeCover();
}

void LevelMeter::placeCover() {
    cover_->setGeometry(0, meterCoverTop(innerHeight(), tenths_), well_->width(), well_->height());
}

void LevelMeter::resizeEvent(QResizeEvent*) {
    well_->setGeometry(rect().adjusted(Border, Border, -Border, -Border));
    placeCover();
}

void LevelMeter::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 110, 160));
    p.drawRoundedRect(QRectF(rect()), 5, 5);
}
