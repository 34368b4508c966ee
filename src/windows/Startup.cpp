// Main: the start-up order; nothing of the main frame exists before the splash has gone.
#include "windows/Startup.h"

#include "app/AppLog.h"
#include "app/AppState.h"
#include "app/SettingsStore.h"
#include "score/ScoreModel.h"
#include "windows/msg_SPL.h"
#include "windows/PlaceholderMainFrame.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>

QWidget* Main() {
    QElapsedTimer clock;
    clock.start();
    QCoreApplication::processEvents();
    InitGlobals();

    // The splash is the only window for a while; its closing must not end the program.
    const bool quitOnLastClosed = QGuiApplication::quitOnLastWindowClosed();
    QGuiApplication::setQuitOnLastWindowClosed(false);
    {
        msg_SPL splash;
        splash.exec();
    }
    qCInfo(lcTiming) << "splash closed after" << clock.elapsed() << "ms";
    QCoreApplication::processEvents();

    AppState& state = appState();
    state.Section = QStringLiteral("Phonics a to z");
    state.Language = RegReadString(detailsKey(), QStringLiteral("Language"), QStringLiteral("AMERICAN"));

    QMainWindow* frame = createMainFrame();
    frame->show();
    QGuiApplication::setQuitOnLastWindowClosed(quitOnLastClosed);
    qCInfo(lcTiming) << "main frame shown after" << clock.elapsed() << "ms";

    scoreModel().LoadHighScore();
    return frame;
}
