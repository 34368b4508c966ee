// MemoryCard: paints itself from the state the window gives it; a press and release on it is a click.
#include "games/memory/MemoryCard.h"

#include "app/ChildFont.h"

#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int Inset = 7;
constexpr qreal Radius = 10;
} // namespace

MemoryCard::MemoryCard(int index, QWidget* parent) : HotSpot(index, parent) {
    setObjectName(QStringLiteral("card%1").arg(index));
    unsetCursor(); // the window shows the hand only on a card that takes a click now
}

void MemoryCard::setMatched(bool matched) {
    if (matched_ == matched) return;
    matched_ = matched;
    update();
}

QSize MemoryCard::pictureBox(const QSize& card) {
    return card - QSize(2 * Inset, 2 * Inset);
}

void MemoryCard::setBack(const QColor& colour) {
    if (back_ == colour) return;
    back_ = colour;
    update();
}

void MemoryCard::setFace(bool faceUp, const QPixmap& picture) {
    if (faceUp_ == faceUp && picture_.cacheKey() == picture.cacheKey()) return;
    faceUp_ = faceUp;
    picture_ = picture;
    update();
}

void MemoryCard::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255, 200), 2));
    p.setBrush(back_);
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), Radius, Radius);
    if (faceUp_ && !picture_.isNull()) {
        const QRect room = rect().adjusted(Inset, Inset, -Inset, -Inset);
        const QSize size = picture_.deviceIndependentSize().toSize();
        const QRect at(room.center() - QPoint(size.width() / 2, size.height() / 2), size);
        p.fillRect(room, Qt::white);
        p.drawPixmap(at, picture_);
        if (matched_) {
            // A white tick on a green disc in the top right corner.
            const qreal d = 30;
            const QRectF disc(width() - d - 3, 3, d, d);
            p.setPen(QPen(Qt::white, 2));
            p.setBrush(QColor(30, 132, 73));
            p.drawEllipse(disc);
            QPainterPath tick;
            tick.moveTo(disc.left() + d * 0.25, disc.top() + d * 0.52);
            tick.lineTo(disc.left() + d * 0.43, disc.top() + d * 0.70);
            tick.lineTo(disc.left() + d * 0.76, disc.top() + d * 0.32);
            p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(tick);
        }
        return;
    }
    if (faceUp_) return;
    // The face-down mark.
    QFont f(ChildFont::family());
    f.setPointSize(48);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(rect(), Qt::AlignCenter, QStringLiteral("?"));
}
