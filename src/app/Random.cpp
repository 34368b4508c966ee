// RandomSource: the program-wide generator.
#include "app/Random.h"

#include <chrono>

namespace {
RandomSource* installed = nullptr;
}

RandomSource& randomSource() {
    if (installed) return *installed;
    static SeededRandom clockSeeded(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    return clockSeeded;
}

void setRandomSource(RandomSource* source) { installed = source; }
