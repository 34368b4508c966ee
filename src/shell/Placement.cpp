// Placement: the window's left and top edges under the settings base + window name + "\Window".
#include "shell/Placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "app/SettingsStore.h"
#include "app/WindowPlacement.h"

namespace {
QRect inTwips(const QRect& r) {
    return QRect(pixelsToTwips(r.x()), pixelsToTwips(r.y()), pixelsToTwips(r.width()),
                 pixelsToTwips(r.height()));
}
} // namespace

void restoreWindowPlacement(QWidget* window, const QString& windowName) {
    if (!window) return;
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect frame = inTwips(window->frameGeometry());
    const QString key = windowKey(windowName);
    const QString left = readSetting(key, QStringLiteral("Left"), QString::number(frame.x()));
    const QString top = readSetting(key, QStringLiteral("Top"), QString::number(frame.y()));
    const QPoint placed =
        restoredWindowPosition(inTwips(screen->geometry()), frame.size(), frame.topLeft(), left, top);
    window->move(twipsToPixels(placed.x()), twipsToPixels(placed.y()));
}

void saveWindowPlacement(QWidget* window, const QString& windowName) {
    if (!window) return;
    const QString key = windowKey(windowName);
    writeSetting(key, QStringLiteral("Left"), QString::number(pixelsToTwips(window->x())));
    writeSetting(key, QStringLiteral("Top"), QString::number(pixelsToTwips(window->y())));
}
