// WordCard: a plain card with a word written large, for a word that came without a picture.
#include "catalogue/WordCard.h"

#include "app/ChildFont.h"
#include "catalogue/StoredPicture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

namespace WordCard {

QImage paint(const QString& word) {
    QImage card(StoredPicture::Size, QImage::Format_RGB32);
    card.fill(QColor(0xfff6d8));
    QPainter p(&card);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xe0b040), 12));
    p.drawRoundedRect(QRectF(card.rect()).adjusted(16, 16, -16, -16), 40, 40);
    // As large as fits: a long word shrinks instead of running off the card.
    QFont font(QLatin1String(ChildFont::Family)); // the font list stands in another where it is missing
    font.setPixelSize(220);
    const QRectF room = QRectF(card.rect()).adjusted(60, 60, -60, -60);
    const qreal wide = QFontMetricsF(font).horizontalAdvance(word);
    if (wide > room.width()) font.setPixelSize(qMax(24, int(220 * room.width() / wide)));
    p.setFont(font);
    p.setPen(QColor(0x303030));
    p.drawText(room, Qt::AlignCenter, word);
    return card;
}

} // namespace WordCard
