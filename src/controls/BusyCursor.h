// BusyCursor: shows the busy pointer for the lifetime of a scope and always restores it.
#pragma once

#include <QCursor>
#include <QGuiApplication>

class BusyCursor {
public:
    // Only a GUI application has a pointer; a core-only one (tools, some tests) gets nothing.
    BusyCursor() : active_(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        if (active_) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~BusyCursor() {
        if (active_) QGuiApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool active_;
};
