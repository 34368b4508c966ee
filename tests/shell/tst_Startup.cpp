// Tests of start-up: the splash closes itself, and the main frame comes only after it, with the settings
// read.
#include "app/AppState.h"
#include "app/FileSettingsStore.h"
#include "app/SettingsStore.h"
#include "players/PlayerRegistry.h"
#include "services/OpenLink.h"
#include "score/ScoreModel.h"
#include "forms/Forms.h"
#include "shell/HomeScreen.h"
#include "catalogue/HomeSubjects.h"
#include "grownups/WhoIsPlayingDialog.h"
#include "shell/SplashScreen.h"
#include "shell/Startup.h"
#include "dialogs/MessageBox.h"
#include "grownups/GrownUpDialog.h"
#include "services/UpdateCheck.h"

#include "MemorySettingsStore.h"
#include "ModalAnswers.h"
#include "TestHttpServer.h"

#include <QApplication>
#include <QFile>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QScopeGuard>
#include <QToolButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {
const QString Details = QStringLiteral("SOFTWARE\\Lexikite\\Settings\\Details");

bool anyVisibleMainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(widget) && widget->isVisible()) return true;
    return false;
}

bool anyMainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(widget)) return true;
    return false;
}
} // namespace

class tst_Startup : public QObject {
    Q_OBJECT
private slots:
    void init() { qputenv("LEXIKITE_SPLASH_MS", "80"); }

    // Fault: the splash waiting forever (the program never starts) or closing before its time.
    void splashClosesItselfAndShowsIdentity() {
        initGlobals(appState(), QStringLiteral("/opt/lexikite"), QDate(2031, 1, 1));
        SplashScreen splash;
        QElapsedTimer clock;
        clock.start();
        splash.exec();
        QVERIFY2(clock.elapsed() >= 60 && clock.elapsed() < 5000,
                 qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(splash.findChild<QLabel*>(QStringLiteral("versionLabel"))->text(),
                 QStringLiteral("Version: 8.10"));
        QCOMPARE(splash.findChild<QLabel*>(QStringLiteral("copyrightLabel"))->text(), appState().rightsText);
        QCOMPARE(splash.findChild<QLabel*>(QStringLiteral("companyLabel"))->text(),
                 QStringLiteral("Brightmoor Learning"));
        QVERIFY(!splash.findChild<QLabel*>(QStringLiteral("iconLabel"))->pixmap().isNull());
    }

    // Fault: a bad LEXIKITE_SPLASH_MS giving a zero, negative or endless splash instead of the usual time.
    void splashTime_data() {
        QTest::addColumn<QByteArray>("environment");
        QTest::addColumn<int>("ms");
        QTest::newRow("unset") << QByteArray() << 3000;
        QTest::newRow("short") << QByteArray("50") << 50;
        QTest::newRow("zero") << QByteArray("0") << 0;
        QTest::newRow("not a number") << QByteArray("soon") << 3000;
        QTest::newRow("negative") << QByteArray("-5") << 3000;
        QTest::newRow("over a minute") << QByteArray("600000") << 3000;
    }
    void splashTime() {
        QFETCH(QByteArray, environment);
        QFETCH(int, ms);
        if (environment.isNull())
            qunsetenv("LEXIKITE_SPLASH_MS");
        else
            qputenv("LEXIKITE_SPLASH_MS", environment);
        QCOMPARE(SplashScreen::displayMs(), ms);
    }

    // Fault: a link that passed the grown-up question but found no browser or mail program does nothing a
    // grown-up can see.
    void aLinkNothingCanOpenSaysSoWithItsAddress() {
        ScopedMemoryStore scoped;
        QPointer<QWidget> frame = startProgram();
        setLinkOpener([](const QUrl&) { return false; });
        ModalAnswers answers(true);
        openLink(QStringLiteral("mailto:"), QStringLiteral("hello@x.example"));
        setLinkOpener({});
        frame->close();
        QTRY_VERIFY(frame.isNull());
        QCOMPARE(answers.met, (QStringList{"GrownUpDialog", "MessageBox"}));
        QVERIFY(answers.words.last().contains(QStringLiteral("\nhello@x.example")));
    }

    // Fault: the main frame built while the splash is still up, the language or high score not read, or
    // the program quitting when the splash (its only window) closes.
    void mainShowsTheFrameAfterTheSplash_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("high");
        QTest::addColumn<QString>("expectedLanguage");
        QTest::addColumn<QString>("highCaption");
        QTest::newRow("first run") << ""
                                   << ""
                                   << "AMERICAN"
                                   << "High Score: 0 points";
        QTest::newRow("British, high score 1") << "BRITISH"
                                               << "1"
                                               << "BRITISH"
                                               << "High Score: 1 point";
    }
    void mainShowsTheFrameAfterTheSplash() {
        QFETCH(QString, language);
        QFETCH(QString, high);
        QFETCH(QString, expectedLanguage);
        QFETCH(QString, highCaption);
        ScopedMemoryStore scoped;
        if (!language.isEmpty()) scoped.store.writeString(Details, QStringLiteral("Language"), language);
        if (!high.isEmpty())
            scoped.store.writeString(Details, QStringLiteral("score-high - phonics a to z"), high);

        bool sawSplash = false, frameDuringSplash = false;
        QTimer probe;
        probe.setInterval(5);
        connect(&probe, &QTimer::timeout, [&] {
            if (qobject_cast<SplashScreen*>(QApplication::activeModalWidget())) {
                sawSplash = true;
                frameDuringSplash |= anyMainWindow();
            }
        });
        probe.start();
        QPointer<QWidget> frame = startProgram();
        probe.stop();

        QVERIFY(sawSplash);
        QVERIFY(!frameDuringSplash);
        QVERIFY(frame && frame->isVisible());
        QCOMPARE(frame->windowTitle(), QStringLiteral("Lexikite"));
        QCOMPARE(frame->size(), QSize(1024, 623));
        QVERIFY(QGuiApplication::quitOnLastWindowClosed());
        QCOMPARE(appState().section, QStringLiteral("Phonics a to z"));
        QCOMPARE(appState().language, expectedLanguage);
        QCOMPARE(appState().versionText, QStringLiteral("Version: 8.10"));
        QCOMPARE(scoreModel().highScoreCaption(), highCaption);
        frame->close();
        QTRY_VERIFY(frame.isNull());
    }
    // Fault: a renamed window or value name losing what a settings file of the first release holds: the
    // high scores, the language and where the window was left. The file was written by that release.
    void settingsFileOfTheFirstReleaseStillApplies() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.ini"));
        QVERIFY(QFile::copy(QFINDTESTDATA("../data/settings-first-release.ini"), path));
        FileSettingsStore store(path);
        setSettingsStore(&store);

        QPointer<QWidget> frame = startProgram();
        QVERIFY(frame);
        QCOMPARE(appState().language, QStringLiteral("BRITISH"));
        QCOMPARE(frame->pos(), QPoint(211, 143));
        for (const auto& [subject, caption] : {std::pair{"food", "High Score: 35 points"},
                                               std::pair{"farm animals", "High Score: 120 points"},
                                               std::pair{"Phonics a to z", "High Score: 10 points"}}) {
            appState().section = QLatin1String(subject);
            scoreModel().loadHighScore();
            QCOMPARE(scoreModel().highScoreCaption(), QLatin1String(caption));
        }
        frame->close();
        QTRY_VERIFY(frame.isNull());
        setSettingsStore(nullptr);
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains("[SOFTWARE\\Lexikite\\mdb_IDX\\Window]\nLeft=3165\nTop=2145"));
    }
    // Fault: with several players, a subject the pointer rests on when "Who is playing?" closes shows its
    // name beside another subject's best score.
    void aSubjectHoveredWhileAskingWhoPlaysShowsItsOwnBest() {
        ScopedMemoryStore scoped;
        scoped.store.writeString(Details, QStringLiteral("SCORE-HIGH - food"), QStringLiteral("35"));
        scoped.store.writeString(Details, QStringLiteral("SCORE-HIGH - phonics a to z"), QStringLiteral("10"));
        playerRegistry().add(QStringLiteral("Ann"), QString());
        const int food = int(std::find_if(HomeSubjects.begin(), HomeSubjects.end(),
                                          [](const HomeSubject& s) { return qstrcmp(s.name, "food") == 0; }) -
                             HomeSubjects.begin());
        // The splash comes first; answer the question once it is up.
        QTimer answer;
        answer.setInterval(5);
        connect(&answer, &QTimer::timeout, [&answer, food] {
            auto* who = qobject_cast<WhoIsPlayingDialog*>(QApplication::activeModalWidget());
            if (!who) return;
            answer.stop();
            forms().find<HomeScreen>(QStringLiteral("HomeScreen"))->subjectHovered(food);
            QTest::mouseClick(who->playerButtons().first(), Qt::LeftButton);
        });
        answer.start();
        QPointer<QWidget> frame = startProgram();
        QVERIFY(frame);
        QCOMPARE(scoreModel().scoreCaption(), QStringLiteral("food"));
        QCOMPARE(scoreModel().highScoreCaption(), QStringLiteral("35 points"));
        frame->close();
        QTRY_VERIFY(frame.isNull());
    }

    // Fault: a newer version (from the web, or a version file beside the program) asks its question before
    // the main window is there, or over "Who is playing?", so the child meets a grown-up's question first.
    void updateQuestionsWaitForTheChosenPlayersHome() {
        MessageBox::setSettleMs(50);
        TestHttpServer server;
        QVERIFY(server.start());
        server.body = "99";
        const QByteArray webBase = qgetenv("LEXIKITE_WEB_BASE");
        qputenv("LEXIKITE_WEB_BASE", server.baseUrl().toLatin1());
        const QString versionFile = QCoreApplication::applicationDirPath() + QStringLiteral("/lkvers.txt");
        const auto restore = qScopeGuard([&] {
            QFile::remove(versionFile);
            qputenv("LEXIKITE_WEB_BASE", webBase);
            setLinkOpener({});
        });
        QFile file(versionFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("99");
        file.close();
        setLinkOpener([](const QUrl&) { return true; });
        ScopedMemoryStore scoped;
        playerRegistry().add(QStringLiteral("Ann"), QString());

        QStringList asked; // each question, and what the child saw under it
        QTimer poll;
        poll.setInterval(5);
        connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* who = qobject_cast<WhoIsPlayingDialog*>(modal);
            // The web's answer has come and gone while the child was choosing.
            if (who && !server.requests.isEmpty() && updateCheck() && !updateCheck()->isRunning()) {
                QTest::mouseClick(who->playerButtons().first(), Qt::LeftButton);
                return;
            }
            auto* box = qobject_cast<MessageBox*>(modal);
            auto* grownUp = qobject_cast<GrownUpDialog*>(modal);
            if ((!box || !box->settled()) && !grownUp) return;
            const bool overWho = std::ranges::any_of(QApplication::topLevelWidgets(), [](QWidget* w) {
                return qobject_cast<WhoIsPlayingDialog*>(w) && w->isVisible();
            });
            asked << QStringLiteral("%1 main window %2%3")
                         .arg(box ? "download" : "grown-up", anyVisibleMainWindow() ? "shown" : "missing",
                              overWho ? ", over who is playing" : "");
            if (box) QTest::keyClick(box, Qt::Key_N);
            if (grownUp) grownUp->reject();
        });
        poll.start();
        QPointer<QWidget> frame = startProgram();
        QTRY_COMPARE(asked.size(), 2);
        poll.stop();
        QCOMPARE(asked, (QStringList{"download main window shown", "grown-up main window shown"}));
        QVERIFY(!QFile::exists(versionFile));
        frame->close();
        QTRY_VERIFY(frame.isNull());
    }
};

QTEST_MAIN(tst_Startup)
#include "tst_Startup.moc"
