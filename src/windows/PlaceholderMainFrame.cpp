// PlaceholderMainFrame: a fixed-size, titled, empty frame; the one spot the real main window replaces.
#include "windows/PlaceholderMainFrame.h"

#include "app/AppState.h"

#include <QMainWindow>

QMainWindow* createMainFrame() {
    auto* frame = new QMainWindow;
    frame->setObjectName(QStringLiteral("mdb_IDX"));
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setWindowTitle(QLatin1String(AppIdentity::Title));
    frame->setFixedSize(1024, 623);
    return frame;
}
