// leadingInt: a text's leading number as a whole 32-bit number, the way kind numbers and tags are read.
#pragma once

#include <algorithm>
#include <cmath>
#include <limits>
#include <QString>

#include "app/TextNumber.h"

inline qint32 leadingInt(const QString& text) {
    const double value = std::trunc(leadingNumber(text));
    return static_cast<qint32>(std::clamp(value, double(std::numeric_limits<qint32>::min()),
                                          double(std::numeric_limits<qint32>::max())));
}
