// WindowPlacement: where the main window opens, from its stored edges and the primary screen, in twips.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

inline constexpr int TwipsPerPixel = 15;
constexpr int twipsToPixels(int twips) {
    return twips / TwipsPerPixel;
}
constexpr int pixelsToTwips(int pixels) {
    return pixels * TwipsPerPixel;
}

// The restored top-left edge. screen is the primary screen, window the window's size, current its present
// top-left; storedLeft / storedTop are the texts read from the store (the current edge as text when absent).
// A text that is not a number leaves that edge unchanged; an edge that is negative or puts the window past
// the screen's right or bottom edge falls back to the centred position.
QPoint restoredWindowPosition(const QRect& screen, const QSize& window, const QPoint& current,
                              const QString& storedLeft, const QString& storedTop);
