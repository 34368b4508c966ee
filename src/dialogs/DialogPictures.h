// DialogPictures: the small pictures of the dialogs: the program's icon, the play button, the close cross.
#pragma once

#include <QPixmap>

namespace DialogPictures {
QPixmap programIcon(int size, qreal devicePixelRatio);
QPixmap playButton(int size, qreal devicePixelRatio);
QPixmap closeCross(int size, qreal devicePixelRatio);
} // namespace DialogPictures
