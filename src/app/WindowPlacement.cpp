// WindowPlacement: the centring and off-screen rules of the main window's position.
#include "app/WindowPlacement.h"

#include <algorithm>
#include <cfenv>
#include <cmath>

namespace {

// Halves go to the even neighbour, as the stored positions always were rounded.
qint64 roundHalfEven(double value) {
    const int mode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(value);
    std::fesetround(mode);
    return static_cast<qint64>(r);
}

qint64 centred(qint64 screenSize, qint64 windowSize) {
    const qint64 c = roundHalfEven((screenSize + windowSize) * 0.5 - windowSize);
    return c < 0 ? 15 : c;
}

// A stored edge: the whole text must be a number; anything else keeps the current edge.
qint64 storedEdge(const QString& text, qint64 current) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || std::isnan(value)) return current;
    // Far outside any screen either way; clamped so the arithmetic below cannot overflow.
    return roundHalfEven(std::clamp(value, -1e12, 1e12));
}

qint64 placeEdge(qint64 edge, qint64 size, qint64 screenStart, qint64 screenSize, qint64 centre) {
    if (edge - screenStart < 0) edge = screenStart + centre;
    if (edge - screenStart + size > screenSize) edge = screenStart + centre;
    return edge;
}

} // namespace

QPoint restoredWindowPosition(const QRect& screen, const QSize& window, const QPoint& current,
                              const QString& storedLeft, const QString& storedTop) {
    const qint64 cx = centred(screen.width(), window.width());
    const qint64 cy = centred(screen.height(), window.height());
    const qint64 left =
        placeEdge(storedEdge(storedLeft, current.x()), window.width(), screen.x(), screen.width(), cx);
    const qint64 top =
        placeEdge(storedEdge(storedTop, current.y()), window.height(), screen.y(), screen.height(), cy);
    return QPoint(static_cast<int>(left), static_cast<int>(top));
}
