// ButtonFaces: the face pictures of the two button controls, loaded once and kept in the pixmap cache.
#pragma once

#include <QPixmap>

struct ArtImage;

namespace ButtonFaces {
// face 0 normal, 1 highlighted, 2 pressed; 148 x 37.
QPixmap textButton(int face, qreal devicePixelRatio);
// The face of a disabled button: flat in the control's background colour, so its caption vanishes.
QPixmap disabledTextButton(qreal devicePixelRatio);
// kind 1..5 (social page, home, menu, about, settings), face 0..2; 56 x 51. A null pixmap for other kinds.
QPixmap toolbarButton(int kind, int face, qreal devicePixelRatio);
// Any embedded picture through the same cache.
QPixmap cachedArt(const ArtImage& art, qreal devicePixelRatio);
} // namespace ButtonFaces
