// DialogPictures: the small pictures of the dialogs (program icon, play, close), from the artwork or drawn.
#pragma once

#include <QPixmap>

namespace DialogPictures {
QPixmap programIcon(int size);
QPixmap playButton(int size);
QPixmap closeCross(int size);
} // namespace DialogPictures
