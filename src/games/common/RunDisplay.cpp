// RunDisplay: the level meter's geometry.
#include "games/common/RunDisplay.h"

#include <cmath>

int meterCoverTop(int innerHeight, int tenths) {
    // lrint rounds halves to even in the default rounding mode.
    const long step = std::lrint(innerHeight / 10.0);
    return int(-(tenths * step));
}
