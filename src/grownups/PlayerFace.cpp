// PlayerFace: the player's pack picture on a white rounded card, or a warm disc with the first letter.
#include "grownups/PlayerFace.h"

#include "app/ChildFont.h"
#include "catalogue/Catalogue.h"
#include "catalogue/PictureLoader.h"

#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>

namespace PlayerFace {

QString picturePath(const Player& player) {
    if (player.picture.isEmpty() || player.picture.contains(QStringLiteral(".."))) return QString();
    const QString path = Catalogue::resolvePath(Catalogue::filesFolder() + u'/' + player.picture);
    return QFileInfo(path).isFile() ? path : QString();
}

QPixmap face(const Player& player, int side, qreal devicePixelRatio) {
    QPixmap result(QSize(side, side) * devicePixelRatio);
    result.setDevicePixelRatio(devicePixelRatio);
    result.fill(Qt::transparent);
    QPainter p(&result);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF card(1, 1, side - 2, side - 2);
    const QString path = picturePath(player);
    const QPixmap picture = path.isEmpty() ? QPixmap()
                                           : PictureLoader::shared().pixmap(path, QSize(side - 8, side - 8),
                                                                            devicePixelRatio);
    if (!picture.isNull()) {
        QPainterPath round;
        round.addRoundedRect(card, side / 6.0, side / 6.0);
        p.fillPath(round, Qt::white);
        p.setPen(QPen(QColor(255, 170, 60), 2));
        p.drawPath(round);
        const QSizeF shown = picture.deviceIndependentSize();
        p.drawPixmap(QPointF((side - shown.width()) / 2, (side - shown.height()) / 2), picture);
        return result;
    }
    // No picture: the first letter, big, on a colour of its own for each player.
    static const QColor warm[] = {QColor(255, 140, 66), QColor(240, 98, 146), QColor(102, 187, 106),
                                  QColor(66, 165, 245), QColor(171, 71, 188), QColor(255, 193, 7)};
    p.setBrush(warm[qMax(0, player.id) % 6]);
    p.setPen(QPen(Qt::white, 3));
    p.drawEllipse(card.adjusted(2, 2, -2, -2));
    QFont font(ChildFont::family());
    font.setBold(true);
    font.setPixelSize(qMax(8, side / 2));
    p.setFont(font);
    p.setPen(Qt::white);
    QString initial = QStringLiteral("?");
    if (!player.name.isEmpty()) initial = player.name.left(player.name.at(0).isHighSurrogate() ? 2 : 1).toUpper();
    p.drawText(card, Qt::AlignCenter, initial);
    return result;
}

} // namespace PlayerFace
