// Tests of the update check against a local server: what the learner is asked or told, and when.
#include "app/AppState.h"
#include "controls/Downloader.h"
#include "services/OpenLink.h"
#include "services/UpdateCheck.h"
#include "NonRegularFile.h"
#include "PipeFeeder.h"
#include "TestHttpServer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using Behaviour = TestHttpServer::Behaviour;

namespace {
constexpr int ShortTimeoutMs = 800;

struct RecordingPrompts : UpdatePrompts {
    bool answerDownload = false;
    bool inAGame = false;
    int questions = 0, noUpdates = 0, failures = 0, checksOff = 0, notices = 0;
    bool askToDownload() override {
        ++questions;
        return answerDownload;
    }
    void tellNoUpdates() override { ++noUpdates; }
    void tellCheckFailed() override { ++failures; }
    bool learnerIsFree() override { return !inAGame; }
    void tellChecksAreOff() override { ++checksOff; }
    void showNotice(const QString&, const QString&) override { ++notices; }
};
} // namespace

class tst_UpdateCheck : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() {
        setLinkOpener({});
        setGrownUpGate({});
    }
    void publishedVersionDecides_data();
    void publishedVersionDecides();
    void brokenServersEndAsNothingNew_data();
    void brokenServersEndAsNothingNew();
    void twoChecksBackToBackAskAtMostOnce();
    void buildWithoutChecksNeverFetches();
    void buildOptionDecidesWhetherTheWebIsAsked();
    void localVersionFileIsReadComparedAndDeleted_data();
    void localVersionFileIsReadComparedAndDeleted();

private:
    // Points the program's addresses at `base` and the program folder at a fresh directory.
    void useWebBase(const QString& base);

    QTemporaryDir folder_;
    QList<QUrl> opened_;
};

void tst_UpdateCheck::init() {
    opened_.clear();
    setLinkOpener([this](const QUrl& url) {
        opened_ << url;
        return true;
    });
    setGrownUpGate([](const QUrl&) { return true; });
}

void tst_UpdateCheck::useWebBase(const QString& base) {
    qputenv("LEXIKITE_WEB_BASE", base.toLatin1());
    initGlobals(appState(), folder_.path(), QDate(2024, 5, 1));
}

void tst_UpdateCheck::publishedVersionDecides_data() {
    // Catches: equal or shorter versions taken as newer, text read as a version, a question at start-up
    // that should have been silent, the download page opened without a "Download", an answer that holds
    // no version (a portal's page, an empty file) reported as "no updates", and the start-up check's
    // question opening over a game (the learner's own check is answered there at once).
    QTest::addColumn<QByteArray>("published");
    QTest::addColumn<bool>("report");
    QTest::addColumn<bool>("answerDownload");
    QTest::addColumn<int>("questions");
    QTest::addColumn<int>("noUpdates");
    QTest::addColumn<int>("failures");
    QTest::addColumn<bool>("inAGame");

    QTest::newRow("same version, silent") << QByteArray("8.1") << false << false << 0 << 0 << 0 << false;
    QTest::newRow("same version, asked") << QByteArray("8.1") << true << false << 0 << 1 << 0 << false;
    QTest::newRow("newer, ignored") << QByteArray("8.2") << false << false << 1 << 0 << 0 << false;
    QTest::newRow("newer, downloaded") << QByteArray("8.2") << true << true << 1 << 0 << 0 << false;
    QTest::newRow("newer with line break") << QByteArray("8.2\r\n") << false << true << 1 << 0 << 0 << false;
    QTest::newRow("8.10 reads as 8.1") << QByteArray("8.10") << true << true << 0 << 1 << 0 << false;
    QTest::newRow("older") << QByteArray("7.9") << true << true << 0 << 1 << 0 << false;
    QTest::newRow("major step") << QByteArray("9") << false << true << 1 << 0 << 0 << false;
    QTest::newRow("not a number") << QByteArray("abc") << true << true << 0 << 0 << 1 << false;
    QTest::newRow("empty file") << QByteArray("") << true << true << 0 << 0 << 1 << false;
    QTest::newRow("web page instead")
        << QByteArray("<html>9.0</html>") << true << true << 0 << 0 << 1 << false;
    QTest::newRow("newer, silent, in a game") << QByteArray("8.2") << false << true << 0 << 0 << 0 << true;
    QTest::newRow("newer, asked in a game") << QByteArray("8.2") << true << true << 1 << 0 << 0 << true;
    QTest::newRow("web page, silent")
        << QByteArray("<html>9.0</html>") << false << true << 0 << 0 << 0 << false;
}

void tst_UpdateCheck::publishedVersionDecides() {
    QFETCH(QByteArray, published);
    QFETCH(bool, report);
    QFETCH(bool, answerDownload);
    QFETCH(int, questions);
    QFETCH(int, noUpdates);
    QFETCH(int, failures);
    QFETCH(bool, inAGame);

    TestHttpServer server;
    QVERIFY(server.start());
    server.body = published;
    useWebBase(server.baseUrl());

    Downloader web;
    web.setTransferTimeout(ShortTimeoutMs);
    RecordingPrompts prompts;
    prompts.answerDownload = answerDownload;
    prompts.inAGame = inAGame;
    UpdateCheck check(web, prompts);
    check.setNetworkAllowed(true);
    QSignalSpy ended(&check, &UpdateCheck::checkEnded);
    check.checkForUpdate(report);
    QTRY_COMPARE(ended.size(), 1);

    QCOMPARE(server.requests.size(), 1);
    QVERIFY(server.requests.first().startsWith("GET /kite-soft/lkvers.txt "));
    QCOMPARE(prompts.questions, questions);
    QCOMPARE(prompts.noUpdates, noUpdates);
    QCOMPARE(prompts.failures, failures);
    const bool pageOpened = questions > 0 && answerDownload;
    QCOMPARE(opened_, pageOpened ? QList<QUrl>{QUrl(appState().updatePageUrl)} : QList<QUrl>{});
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
}

void tst_UpdateCheck::brokenServersEndAsNothingNew_data() {
    // Catches: a check that hangs, crashes, shows an error, or never restores the pointer on a bad server,
    // and a failed check reported as "no updates" (or reported at all when the learner did not ask).
    QTest::addColumn<int>("behaviour");
    QTest::addColumn<int>("status");
    QTest::newRow("not found") << int(Behaviour::Serve) << 404;
    QTest::newRow("server error") << int(Behaviour::Serve) << 500;
    QTest::newRow("refused") << -1 << 0;
    QTest::newRow("never answers") << int(Behaviour::Silent) << 0;
    QTest::newRow("drips") << int(Behaviour::Drip) << 0;
    QTest::newRow("ten megabytes") << int(Behaviour::FloodUnsized) << 0;
    QTest::newRow("redirect loop") << int(Behaviour::RedirectLoop) << 0;
    QTest::newRow("hangs up") << int(Behaviour::Hangup) << 0;
}

void tst_UpdateCheck::brokenServersEndAsNothingNew() {
    QFETCH(int, behaviour);
    QFETCH(int, status);

    TestHttpServer server;
    QVERIFY(server.start());
    server.behaviour = Behaviour(qMax(behaviour, 0));
    server.status = status;
    server.body = "9.9"; // an error page must never count as a version
    useWebBase(behaviour < 0 ? QStringLiteral("http://127.0.0.1:%1/").arg(refusedPort()) : server.baseUrl());

    for (const bool report : {false, true}) {
        Downloader web;
        web.setTransferTimeout(ShortTimeoutMs);
        RecordingPrompts prompts;
        UpdateCheck check(web, prompts);
        check.setNetworkAllowed(true);
        QSignalSpy ended(&check, &UpdateCheck::checkEnded);

        // The event loop must keep turning while the check waits.
        int ticks = 0;
        QTimer heartbeat;
        connect(&heartbeat, &QTimer::timeout, this, [&ticks] { ++ticks; });
        heartbeat.start(50);

        QElapsedTimer clock;
        clock.start();
        check.checkForUpdate(report);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(ended.size() == 1, ShortTimeoutMs + 2000);
        QVERIFY(clock.elapsed() < ShortTimeoutMs + 1000);
        QVERIFY2(ticks >= clock.elapsed() / 50 / 2, qPrintable(QString::number(ticks)));
        QCOMPARE(prompts.questions, 0);
        QCOMPARE(prompts.noUpdates, 0);
        QCOMPARE(prompts.failures, report ? 1 : 0);
        QVERIFY(opened_.isEmpty());
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }
}

void tst_UpdateCheck::twoChecksBackToBackAskAtMostOnce() {
    // Catches: a replaced check still answering, so the learner sees the question twice.
    TestHttpServer server;
    QVERIFY(server.start());
    server.body = "8.2";
    useWebBase(server.baseUrl());
    Downloader web;
    web.setTransferTimeout(ShortTimeoutMs);
    RecordingPrompts prompts;
    UpdateCheck check(web, prompts);
    check.setNetworkAllowed(true);
    QSignalSpy ended(&check, &UpdateCheck::checkEnded);

    check.checkForUpdate(false);
    check.checkForUpdate(true);
    QTRY_COMPARE(ended.size(), 1);
    QTest::qWait(300);
    QCOMPARE(ended.size(), 1);
    QCOMPARE(prompts.questions, 1);

    // Silent start-up check replaced by the learner's: the learner's flag decides.
    server.body = "8.1";
    check.checkForUpdate(false);
    check.checkForUpdate(true);
    QTRY_COMPARE(ended.size(), 2);
    QTest::qWait(300);
    QCOMPARE(prompts.noUpdates, 1);
}

void tst_UpdateCheck::buildWithoutChecksNeverFetches() {
    // Catches: a build with checks off still touching the network or opening pages from a stray file.
    TestHttpServer server;
    QVERIFY(server.start());
    server.body = "9.0";
    useWebBase(server.baseUrl());
    Downloader web;
    RecordingPrompts prompts;
    UpdateCheck check(web, prompts);
    check.setNetworkAllowed(false);

    check.checkForUpdate(false);
    check.checkForUpdate(true);
    QFile local(appState().localVersionFile);
    QVERIFY(local.open(QIODevice::WriteOnly));
    local.write("9.0");
    local.close();
    check.checkLocalVersionFile(false);
    QTest::qWait(200);

    QCOMPARE(server.requests.size(), 0);
    QCOMPARE(prompts.checksOff, 1);
    QCOMPARE(prompts.questions + prompts.noUpdates, 0);
    QVERIFY(opened_.isEmpty());
    QVERIFY(QFile::remove(appState().localVersionFile));
}

void tst_UpdateCheck::buildOptionDecidesWhetherTheWebIsAsked() {
    // Catches: a build configured without update checks that still fetches by default, or the reverse.
    TestHttpServer server;
    QVERIFY(server.start());
    server.body = "8.1";
    useWebBase(server.baseUrl());
    Downloader web;
    web.setTransferTimeout(ShortTimeoutMs);
    RecordingPrompts prompts;
    UpdateCheck check(web, prompts);
    QSignalSpy ended(&check, &UpdateCheck::checkEnded);
    check.checkForUpdate(true);
    QTRY_COMPARE(ended.size(), 1);
#ifdef LEXIKITE_UPDATE_CHECK
    QCOMPARE(server.requests.size(), 1);
    QCOMPARE(prompts.noUpdates, 1);
#else
    QCOMPARE(server.requests.size(), 0);
    QCOMPARE(prompts.checksOff, 1);
#endif
}

void tst_UpdateCheck::localVersionFileIsReadComparedAndDeleted_data() {
    // Catches: the wrong field kept, a newer file not acted on, the file left behind to act again next run.
    QTest::addColumn<QByteArray>("content"); // "-" for no file
    QTest::addColumn<bool>("report");
    QTest::addColumn<bool>("opensPage");
    QTest::addColumn<int>("notices");

    QTest::newRow("no file") << QByteArray("-") << true << false << 0;
    QTest::newRow("same version") << QByteArray("8.1\r\n") << false << false << 0;
    QTest::newRow("same version, asked") << QByteArray("8.1") << true << false << 1;
    QTest::newRow("newer") << QByteArray("8.2") << false << true << 0;
    QTest::newRow("last field counts") << QByteArray("7.0,8.2") << false << true << 0;
    QTest::newRow("last line counts") << QByteArray("9.0\r\n8.0\r\n") << false << false << 0;
    QTest::newRow("quoted") << QByteArray("\"8.2\"") << false << true << 0;
    QTest::newRow("garbage") << QByteArray("\x01\xff version") << false << false << 0;
    // Never read: a pipe blocked the start, a device never ended.
    QTest::newRow("named pipe") << QByteArray("pipe") << true << false << 0;
    QTest::newRow("link to /dev/zero") << QByteArray("zero") << true << false << 0;
}

void tst_UpdateCheck::localVersionFileIsReadComparedAndDeleted() {
    QFETCH(QByteArray, content);
    QFETCH(bool, report);
    QFETCH(bool, opensPage);
    QFETCH(int, notices);

    useWebBase(QStringLiteral("http://127.0.0.1:9/"));
    const bool special = content == "pipe" || content == "zero";
    if (special) QVERIFY(NonRegularFile::make(appState().localVersionFile, QString::fromLatin1(content)));
    // A reader that opens the pipe gets a newer version, and so fails.
    const PipeFeeder feeder(appState().localVersionFile, "99");
    if (content != "-" && !special) {
        QFile file(appState().localVersionFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    Downloader web;
    RecordingPrompts prompts;
    UpdateCheck check(web, prompts);
    check.setNetworkAllowed(true);
    check.checkLocalVersionFile(report);

    QCOMPARE(opened_, opensPage ? QList<QUrl>{QUrl(appState().updatePageUrl)} : QList<QUrl>{});
    QCOMPARE(prompts.notices, notices);
    QCOMPARE(prompts.questions, 0);
    QVERIFY(!QFile::exists(appState().localVersionFile));
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
}

QTEST_MAIN(tst_UpdateCheck)
#include "tst_UpdateCheck.moc"
