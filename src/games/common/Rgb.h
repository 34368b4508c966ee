// Rgb: a 24-bit colour the rules name for the window to paint, so the rules need no GUI module.
#pragma once

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};
