// Placement: the window's left and top edges under RegistryBase & window name & "\Window".
#include "windows/Placement.h"

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

void RestoreWindowPlacement(QWidget* window, const QString& windowName) {
    if (!window) return;
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect frame = inTwips(window->frameGeometry());
    const QString key = windowKey(windowName);
    const QString left = RegReadString(key, QStringLiteral("Left"), QString::number(frame.x()));
    const QString top = RegReadString(key, QStringLiteral("Top"), QString::number(frame.y()));
    const QPoint placed =
        restoredWindowPosition(inTwips(screen->geometry()), frame.size(), frame.topLeft(), left, top);
    window->move(twipsToPixels(placed.x()), twipsToPixels(placed.y()));
}

void SaveWindowPlacement(QWidget* window, const QString& windowName) {
    if (!window) return;
    const QString key = windowKey(windowName);
    RegWriteString(key, QStringLiteral("Left"), QString::number(pixelsToTwips(window->x())));
    RegWriteString(key, QStringLiteral("Top"), QString::number(pixelsToTwips(window->y())));
}
