// Main: the start-up order; nothing of the main frame exists before the splash has gone.
#include "shell/Startup.h"

#include "app/AppLog.h"
#include "app/AppState.h"
#include "app/ChildFont.h"
#include "app/SettingsStore.h"
#include "players/PlayerRegistry.h"
#include "score/ScoreModel.h"
#include "services/OpenLink.h"
#include "services/UpdateCheck.h"
#include "grownups/GrownUpDialog.h"
#include "dialogs/MessageBox.h"
#include "dialogs/MessageBoxPrompts.h"
#include "shell/ShellHooks.h"
#include "grownups/WhoIsPlayingDialog.h"
#include "shell/MainWindow.h"
#include "shell/PictureHolder.h"
#include "shell/SplashScreen.h"
#include "dialogs/AboutBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

namespace {
// The main window's toolbar reaches the about box, the links and the update check through these.
void wireServices() {
    installUpdateCheck(PictureHolder::holder(), [] { return static_cast<QWidget*>(mainWindow()); });
    ShellHooks& hooks = shellHooks();
    hooks.checkForUpdate = [](bool report) { checkForUpdate(report); };
    hooks.checkLocalVersionFile = [](bool report) { checkLocalVersionFile(report); };
    hooks.showAbout = [](QWidget* owner) { AboutBox::showModal(owner); };
    hooks.unloadAbout = [] { AboutBox::unload(); };
    hooks.openSocialPage = [](QWidget*) { openLink(QString(), appState().socialPageUrl); };
    // Every way out of the program (social page, about box links, update page) asks a grown-up first.
    setGrownUpGate([](const QUrl&) {
        QWidget* owner = QApplication::activeModalWidget();
        return GrownUpDialog::ask(owner ? owner : mainWindow());
    });
    setLinkFailureNotice([](const QUrl& url) {
        QWidget* owner = QApplication::activeModalWidget();
        const bool mail = url.scheme().compare(QLatin1String("mailto"), Qt::CaseInsensitive) == 0;
        showInfoMessage(MessageNumber::LinkNotOpened, mail ? url.path() : url.toDisplayString(),
                        owner ? owner : mainWindow());
    });
}
} // namespace

QWidget* startProgram() {
    QElapsedTimer clock;
    clock.start();
    QCoreApplication::processEvents();
    initGlobals();
    // Beside the program where a build brings its own copy; Debian's folder where the font list misses it.
    ChildFont::load({appState().programFolder + QStringLiteral("/fonts"),
                     QStringLiteral("/usr/share/fonts/truetype/andika")});

    // The splash is the only window for a while; its closing must not end the program.
    const bool quitOnLastClosed = QGuiApplication::quitOnLastWindowClosed();
    QGuiApplication::setQuitOnLastWindowClosed(false);
    {
        SplashScreen splash;
        splash.exec();
    }
    qCInfo(lcTiming) << "splash closed after" << clock.elapsed() << "ms";
    QCoreApplication::processEvents();

    AppState& state = appState();
    state.section = QStringLiteral("Phonics a to z");
    PictureHolder::holder();
    wireServices();
    state.language = readSetting(detailsKey(), QStringLiteral("Language"), QStringLiteral("AMERICAN"));

    // The first listed player until a child says who they are; their scores are what the home screen shows.
    PlayerRegistry& players = playerRegistry();
    players.setCurrent(players.players().first().id);

    auto* frame = new MainWindow;
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->load(); // shows it
    QGuiApplication::setQuitOnLastWindowClosed(quitOnLastClosed);
    qCInfo(lcTiming) << "main frame shown after" << clock.elapsed() << "ms";
    // Before the question: a subject the pointer rests on when it closes shows its own best score, not
    // this one.
    scoreModel().loadHighScore();
    if (players.count() > 1) {
        const int id = WhoIsPlayingDialog::ask(frame);
        if (id != players.currentId()) {
            players.setCurrent(id);
            frame->startForCurrentPlayer();
        }
    }
    // A newer version's question held back until the child is chosen and the home screen is theirs.
    if (UpdateCheck* check = updateCheck()) QTimer::singleShot(0, check, &UpdateCheck::askHeldQuestion);
    return frame;
}
