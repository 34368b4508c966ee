// The program's entry: builds the application, installs the per-user settings file and answer log, then Main.
#include <QApplication>

#include "app/AppState.h"
#include "app/FileSettingsStore.h"
#include "audio/SdlSoundDevice.h"
#include "audio/SoundModule.h"
#include "games/RegisterGames.h"
#include "players/AnswerLog.h"
#include "shell/Startup.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QLatin1String(AppIdentity::Title));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.brightmoor.Lexikite"));

    FileSettingsStore store(FileSettingsStore::defaultFilePath());
    setSettingsStore(&store);
    SdlSoundDevice sound;
    setSoundDevice(&sound);
    registerGames();
    AnswerLog answers(AnswerLog::defaultPath());
    setAnswerLog(&answers);
    startProgram();
    const int result = app.exec();
    setAnswerLog(nullptr);
    setSoundDevice(nullptr);
    setSettingsStore(nullptr);
    return result;
}
