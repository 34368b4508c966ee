// KiteLogo: the program's logo, drawn in code so the dialogs need no picture file.
#pragma once

#include <QPixmap>

// The application icon when one is set, otherwise a painted kite; `size` in device-independent pixels.
QPixmap kiteLogo(int size);
