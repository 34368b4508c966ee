// End to end: the program, started like the real one from a folder with a small word pack, played from the
// home screen through every game to a win, closed, and started again with its score and place kept.
//
// The test runs copies of itself as the program: each copy lives in the program folder, so Main finds
// files/ beside its executable exactly as the installed program does, and a restart is a new process that
// knows only what the settings file kept.
#include <cstdio>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/AppState.h"
#include "app/FileSettingsStore.h"
#include "app/SettingsStore.h"
#include "audio/SoundModule.h"
#include "audio/SdlSoundDevice.h"
#include "controls/HotSpot.h"
#include "controls/ImageButton.h"
#include "score/ScoreModel.h"
#include "forms/Forms.h"
#include "forms/GameForm.h"
#include "shell/GameTable.h"
#include "shell/HomeScreen.h"
#include "shell/MainWindow.h"
#include "shell/GameMenu.h"
#include "dialogs/MismatchDialog.h"
#include "dialogs/ResultDialog.h"
#include "shell/Startup.h"

#include "E2EGames.h"

namespace {

const QString StageVariable = QStringLiteral("LEXIKITE_E2E_STAGE");

// Eight farm animals: enough for every game (the memory game needs seven pictures, the choose game six).
const char* const FarmWords[] = {"cow", "pig", "sheep", "horse", "goat", "chicken", "duck", "rabbit"};
const char* const FarmPictures[] = {"1f404", "1f416", "1f411", "1f40e", "1f410", "1f414", "1f986", "1f407"};

struct Run {
    int exitCode = -1;
    QString output;
};

Run run(const QString& program, const QStringList& args, const QProcessEnvironment& env, int timeoutMs) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    Run result;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(3000);
        result.output = program + QStringLiteral(" did not finish in time\n");
    } else if (process.exitStatus() == QProcess::NormalExit) {
        result.exitCode = process.exitCode();
    }
    result.output += QString::fromLocal8Bit(process.readAll());
    return result;
}

bool copyExecutable(const QString& from, const QString& to) {
    return QFile::copy(from, to) &&
           QFile::setPermissions(to, QFile::permissions(from) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
}

} // namespace

// What a copy started as the program does: one stage of play, checked as it goes.
class EndToEndStages : public QObject {
    Q_OBJECT
    QSettings notes{qEnvironmentVariable("LEXIKITE_E2E_NOTES"), QSettings::IniFormat};
    const QString subject = QStringLiteral("farm animals");

    static HotSpot* subjectSpot(HomeScreen* home, const QString& name) {
        for (int i = 0; i < HomeSubjectCount; ++i)
            if (home->spot(i)->toolTip() == name) return home->spot(i);
        return nullptr;
    }

    static QString storedHigh(const QString& subject) {
        return readSetting(detailsKey(), QStringLiteral("SCORE-HIGH - ") + subject, QStringLiteral("none"));
    }

private slots:
    void play() {
        QPointer<QWidget> frame = startProgram();
        QVERIFY(frame && frame->isVisible());
        QCOMPARE(appState().programFolder, QCoreApplication::applicationDirPath());
        auto* main = mainWindow();
        QVERIFY(main);
        auto* home = forms().find<HomeScreen>(QStringLiteral("HomeScreen"));
        QVERIFY(home && forms().activeChild() == home);
        HotSpot* farm = subjectSpot(home, subject);
        QVERIFY(farm);
        QVERIFY(QTest::qWaitForWindowExposed(main));

        QTest::mouseMove(farm);
        QTRY_COMPARE(main->highScoreLabel()->text(), QStringLiteral("0 points"));
        QTest::mouseClick(farm, Qt::LeftButton);
        auto* menu = qobject_cast<GameMenu*>(forms().activeChild());
        QVERIFY(menu);
        QCOMPARE(menu->title(), subject);
        QCOMPARE(appState().section, subject);

        DialogCloser dialogs;
        int games = 0;
        for (const GameEntry& entry : GameTable::entries()) {
            QVERIFY2(entry.factory, qPrintable(entry.windowName + QStringLiteral(" has no window")));
            QTest::mouseClick(menu->spot(entry.number - 1), Qt::LeftButton);
            auto* game = qobject_cast<GameForm*>(forms().activeChild());
            QVERIFY2(game && game->gameNumber() == entry.number, qPrintable(entry.windowName));
            QCOMPARE(game->subject(), subject);
            QElapsedTimer took;
            took.start();
            const qint32 before = scoreModel().scoreTag().toInt();
            const int dialogsBefore = int(dialogs.seen.size());
            QVERIFY2(e2e::playToWin(*game, dialogs), qPrintable(entry.windowName + QLatin1Char(' ') +
                                                                dialogs.seen.join(QLatin1String(" | "))));
            QVERIFY2(scoreModel().scoreTag().toInt() > before, qPrintable(entry.windowName));
            QVERIFY2(
                dialogs.seen.mid(dialogsBefore)
                    .join(QLatin1Char('|'))
                    .contains(QLatin1String("Congratulations")),
                qPrintable(entry.windowName + QLatin1Char(' ') + dialogs.seen.join(QLatin1String(" | "))));
            qInfo("%s won in %lld ms", qPrintable(entry.windowName), took.elapsed());
            QVERIFY(e2e::closeGame(*game));
            QTRY_VERIFY(qobject_cast<GameMenu*>(forms().activeChild()));
            menu = qobject_cast<GameMenu*>(forms().activeChild());
            ++games;
        }
        QCOMPARE(games, GameCount);

        const QString total = scoreModel().scoreTag();
        QCOMPARE(storedHigh(subject), total);
        QCOMPARE(main->highScoreLabel()->text(), ScoreModel::highScoreCaptionFor(total));

        const QPoint place(137, 91);
        main->move(place);
        QCOMPARE(main->pos(), place);
        notes.setValue(QStringLiteral("high"), total);
        notes.setValue(QStringLiteral("place"), place);
        notes.sync();
        main->close();
        QTRY_VERIFY(frame.isNull());
        QVERIFY(!mainWindow());
    }

    void restart() {
        const QString high = notes.value(QStringLiteral("high")).toString();
        const QPoint place = notes.value(QStringLiteral("place")).toPoint();
        QVERIFY(!high.isEmpty());
        QPointer<QWidget> frame = startProgram();
        QVERIFY(frame && frame->isVisible());
        auto* main = mainWindow();
        QCOMPARE(main->pos(), place);

        auto* home = forms().find<HomeScreen>(QStringLiteral("HomeScreen"));
        QVERIFY(home);
        QVERIFY(QTest::qWaitForWindowExposed(main));
        HotSpot* farm = subjectSpot(home, subject);
        QTest::mouseMove(farm);
        QTRY_COMPARE(main->highScoreLabel()->text(), high + QStringLiteral(" points"));
        QTest::mouseClick(farm, Qt::LeftButton);
        QVERIFY(qobject_cast<GameMenu*>(forms().activeChild()));
        QCOMPARE(main->highScoreLabel()->text(), ScoreModel::highScoreCaptionFor(high));
        main->close();
        QTRY_VERIFY(frame.isNull());
    }
};

// The copy's start, as the program's own main: the settings file under the given home, SDL sound, the games.
int runStage(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QLatin1String(AppIdentity::Title));
    FileSettingsStore store(FileSettingsStore::defaultFilePath());
    setSettingsStore(&store);
    SdlSoundDevice sound;
    setSoundDevice(&sound);
    e2e::registerGames();
    EndToEndStages stages;
    const QByteArray stage = qgetenv("LEXIKITE_E2E_STAGE");
    char* stageArgs[] = {argv[0], const_cast<char*>(stage.constData())};
    const int result = QTest::qExec(&stages, 2, stageArgs);
    setSoundDevice(nullptr);
    setSettingsStore(nullptr);
    return result;
}

class tst_EndToEnd : public QObject {
    Q_OBJECT
    QTemporaryDir root;
    QString programFolder;
    QProcessEnvironment env;

    // Runs one stage in a copy of this test; its whole report is printed when it fails.
    bool stage(const QString& name) {
        QProcessEnvironment stageEnv = env;
        stageEnv.insert(StageVariable, name);
        const Run result = run(programFolder + QStringLiteral("/lexikite-e2e"), {}, stageEnv, 120000);
        if (result.exitCode != 0 || qEnvironmentVariableIsSet("LEXIKITE_E2E_VERBOSE"))
            std::fprintf(stderr, "--- stage %s ---\n%s\n", qPrintable(name), qPrintable(result.output));
        return result.exitCode == 0;
    }

private slots:
    void initTestCase() {
        QVERIFY(root.isValid());
        programFolder = root.filePath(QStringLiteral("program"));
        QVERIFY(QDir().mkpath(programFolder));
        QVERIFY(copyExecutable(QCoreApplication::applicationFilePath(), programFolder + "/lexikite-e2e"));
        QVERIFY(copyExecutable(QStringLiteral(LEXIKITE_PROGRAM), programFolder + "/lexikite"));

        QFile words(root.filePath(QStringLiteral("words.tsv")));
        QVERIFY(words.open(QIODevice::WriteOnly));
        for (int i = 0; i < int(std::size(FarmWords)); ++i)
            words.write(QByteArray("farm animals\t") + FarmWords[i] + '\t' + FarmPictures[i] + '\n');
        words.close();
        const Run generated = run(QStringLiteral(LEXIKITE_WORDPACK),
                                  {QStringLiteral("generate"), QStringLiteral("--words"), words.fileName(),
                                   QStringLiteral("--emoji"), QStringLiteral(LEXIKITE_EMOJI_DIR),
                                   QStringLiteral("--out"), programFolder + QStringLiteral("/files")},
                                  QProcessEnvironment::systemEnvironment(), 120000);
        QVERIFY2(generated.exitCode == 0, qPrintable(generated.output));
        QCOMPARE(QDir(programFolder + QStringLiteral("/files/farm animals"))
                     .entryList({QStringLiteral("*.edi")}, QDir::Files)
                     .size(),
                 int(std::size(FarmWords)));

        env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), root.filePath(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("home/.config")));
        env.insert(QStringLiteral("LEXIKITE_SPLASH_MS"), QStringLiteral("50"));
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        env.insert(QStringLiteral("LEXIKITE_WEB_BASE"), QStringLiteral("http://127.0.0.1:9/"));
        env.insert(QStringLiteral("LEXIKITE_E2E_NOTES"), root.filePath(QStringLiteral("notes.ini")));
        // The offscreen screen is 800 pixels wide by default, too small for the frame to keep a place on it.
        if (env.value(QStringLiteral("QT_QPA_PLATFORM")) == QLatin1String("offscreen")) {
            QFile config(root.filePath(QStringLiteral("screen.json")));
            QVERIFY(config.open(QIODevice::WriteOnly));
            config.write(R"({"screens": [{"name": "e2e", "x": 0, "y": 0, "width": 1600, "height": 1000,
                             "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
            config.close();
            env.insert(QStringLiteral("QT_QPA_PLATFORM"),
                       QStringLiteral("offscreen:configfile=") + config.fileName());
        }
    }

    // Fault: a window on the learner's road missing or miswired, a game that cannot be won, or points not
    // reaching the stored high score.
    void playsFromHomeThroughEveryGameToAWin() {
        QVERIFY(stage(QStringLiteral("play")));
        QVERIFY(QFile::exists(root.filePath(QStringLiteral("home/.config/lexikite/settings.ini"))));
    }

    // Fault: the high score or the window's place lost when the program ends, or not read when it starts.
    void restartKeepsTheHighScoreAndThePlace() { QVERIFY(stage(QStringLiteral("restart"))); }

    // Fault: the built program itself failing to start on a generated pack with a fresh home.
    void theProgramItselfStartsOnThePack() {
        QProcess program;
        QProcessEnvironment programEnv = env;
        programEnv.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("lexikite.timing=true"));
        program.setProcessEnvironment(programEnv);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(programFolder + QStringLiteral("/lexikite"), {});
        QString output;
        QTRY_VERIFY2_WITH_TIMEOUT((output += QString::fromLocal8Bit(program.readAll()),
                                   output.contains(QLatin1String("main frame shown"))),
                                  qPrintable(output), 30000);
        QVERIFY2(program.state() == QProcess::Running, qPrintable(output));
        program.terminate();
        QVERIFY(program.waitForFinished(5000));
        output += QString::fromLocal8Bit(program.readAll());
        QVERIFY2(!output.contains(QLatin1String("Sanitizer")) &&
                     !output.contains(QLatin1String("runtime error")),
                 qPrintable(output));
    }
};

int main(int argc, char* argv[]) {
    // A copy started by the test plays one stage as the program would.
    if (!qEnvironmentVariableIsEmpty("LEXIKITE_E2E_STAGE")) return runStage(argc, argv);
    QCoreApplication app(argc, argv);
    tst_EndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_EndToEnd.moc"
