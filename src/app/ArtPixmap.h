// ArtPixmap: loads an embedded picture at the sharpness the screen needs.
#pragma once

#include <QIcon>
#include <QPixmap>

#include "app/ArtPaths.h"

// The picture at its design size in device-independent pixels; on a display with a device pixel
// ratio above 1 the double-size variant is used where there is one. A picture that fails to load
// gives a null pixmap (logged under lexikite.app).
QPixmap artPixmap(const ArtImage& art, qreal devicePixelRatio);

// The program's icon with every size it carries, for windows and the desktop.
QIcon programIcon();
