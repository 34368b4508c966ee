// MemoryCard: paints itself from the state the window gives it; a press and release on it is a click.
#include "games/memory/MemoryCard.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int Inset = 7;
constexpr qreal Radius = 10;
} // namespace

MemoryCard::MemoryCard(int index, QWidget* parent) : QWidget(parent), index_(index) {
    setObjectName(QStringLiteral("card%1").arg(index));
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
        return;
    }
    if (faceUp_) return;
    // lblQ: the face-down mark.
    QFont f(QStringLiteral("Verdana"));
    f.setPointSize(48);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(rect(), Qt::AlignCenter, QStringLiteral("?"));
}

void MemoryCard::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressed_ = true;
}

void MemoryCard::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_) return;
    pressed_ = false;
    if (rect().contains(event->position().toPoint())) emit clicked(index_);
}
