// MissesMeter: painted as a rounded frame around a well, the grey cover drawn over the coloured well.
#include "games/hidden/MissesMeter.h"

#include <cmath>
#include <QPainter>

namespace {
constexpr int Border = 3;
constexpr int CoverGrey = 241;
} // namespace

MissesMeter::MissesMeter(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("levelMeter"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void MissesMeter::setLevel(int tenths, const QColor& colour) {
    tenths = qBound(0, tenths, 10);
    if (tenths == tenths_ && colour == colour_) return;
    tenths_ = tenths;
    colour_ = colour;
    update();
}

QRect MissesMeter::wellRect() const {
    return rect().adjusted(Border, Border, -Border, -Border);
}

QRect MissesMeter::coverRect() const {
    const QRect well = wellRect();
    // Not rounded per step, so ten misses uncover the whole well.
    const int down = int(std::lround(well.height() * tenths_ / 10.0));
    return QRect(well.left(), well.top() + down, well.width(), well.height() - down);
}

void MissesMeter::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 110, 160));
    p.drawRoundedRect(QRectF(rect()), 5, 5);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(wellRect(), colour_);
    p.fillRect(coverRect(), QColor(CoverGrey, CoverGrey, CoverGrey));
}
