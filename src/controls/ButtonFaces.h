// ButtonFaces: the face pictures of the two button controls, from the artwork with drawn stand-ins.
#pragma once

#include <QPixmap>

namespace ButtonFaces {
// face 0 normal, 1 highlighted, 2 pressed; 148 x 37.
QPixmap textButton(int face);
// kind 1..5 (social page, home, menu, about, settings), face 0..2; 56 x 51. A null pixmap for other kinds.
QPixmap toolbarButton(int kind, int face);
} // namespace ButtonFaces
