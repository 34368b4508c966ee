// GameButtons: buttons and pictures in the games' one style.
#include "games/common/GameButtons.h"

#include "app/ArtPaths.h"
#include "controls/ButtonFaces.h"
#include "controls/ClickLabel.h"
#include "controls/ImageButton.h"

namespace GameButtons {

ImageButton* make(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry,
               int pointSize) {
    auto* b = new ImageButton(caption, parent);
    b->setObjectName(name);
    QFont f = b->font();
    f.setPointSize(pointSize);
    f.setBold(true);
    b->setFont(f);
    b->setGeometry(geometry);
    return b;
}

ClickLabel* picture(QWidget* parent, const QString& name, const ArtImage& art, const QPoint& at,
                    const QString& toolTip) {
    auto* picture = new ClickLabel(parent);
    picture->setObjectName(name);
    picture->setPixmap(ButtonFaces::cachedArt(art, parent->devicePixelRatioF()));
    picture->setGeometry(QRect(at, QSize(art.width, art.height)));
    picture->setToolTip(toolTip);
    return picture;
}

QRect passRect() {
    return QRect(898, 500, 112, 46);
}

} // namespace GameButtons
