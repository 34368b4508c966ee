// Tests of start-up: the splash closes itself, and the main frame comes only after it, with the settings
// read.
#include "app/AppState.h"
#include "score/ScoreModel.h"
#include "windows/SplashScreen.h"
#include "windows/Startup.h"

#include "MemorySettingsStore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace {
const QString Details = QStringLiteral("SOFTWARE\\Lexikite\\Settings\\Details");

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
};

QTEST_MAIN(tst_Startup)
#include "tst_Startup.moc"
