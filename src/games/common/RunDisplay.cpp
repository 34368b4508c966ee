// RunDisplay: the level meter's geometry.
#include "games/common/RunDisplay.h"

#include <cmath>

int progressTenths(qsizetype done, qsizetype whole) {
    if (whole <= 0) return 0;
    return int(qBound<qsizetype>(0, done, whole) * 10 / whole);
}

int meterCoverTop(int innerHeight, int tenths) {
    // lrint rounds halves to even in the default rounding mode.
    const long step = std::lrint(innerHeight / 10.0);
    return int(-(tenths * step));
}
