// Tests of the downloader against a local server that answers well, badly or not at all.
#include "controls/Downloader.h"
#include "TestHttpServer.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

using Behaviour = TestHttpServer::Behaviour;

class tst_Downloader : public QObject {
    Q_OBJECT
private:
    static constexpr int ShortTimeoutMs = 1000;

private slots:
    void everyTransferEndsOnceWithinTheTimeout_data();
    void everyTransferEndsOnceWithinTheTimeout();
    void secondStartCancelsTheFirstAndOnlyItReports();
    void emptyAddressLeavesTheControlAsItWas();
    void requestNamesOnlyTheProgramAndItsVersion();
};

void tst_Downloader::everyTransferEndsOnceWithinTheTimeout_data() {
    // Catches: hangs on silent or slow servers, unbounded bodies, loops, and failures reported as success.
    QTest::addColumn<int>("behaviour");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("completes");
    QTest::addColumn<int>("bytes");

    const auto row = [](const char* name, Behaviour b, int status, QByteArray body, bool ok) {
        QTest::newRow(name) << int(b) << status << body << ok << int(ok ? body.size() : 0);
    };
    row("five bytes", Behaviour::Serve, 200, "8.2\r\n", true);
    row("empty body", Behaviour::Serve, 200, "", true);
    row("body at the cap", Behaviour::Serve, 200, QByteArray(64 * 1024, 'x'), true);
    row("body one past the cap", Behaviour::Serve, 200, QByteArray(64 * 1024 + 1, 'x'), false);
    row("not found", Behaviour::Serve, 404, "nope", false);
    row("server error", Behaviour::Serve, 500, "oops", false);
    row("no content", Behaviour::Serve, 204, "", true);
    row("never answers", Behaviour::Silent, 0, "", false);
    row("drips a byte at a time", Behaviour::Drip, 0, "", false);
    row("ten megabytes announced", Behaviour::Flood, 0, "", false);
    row("ten megabytes unannounced", Behaviour::FloodUnsized, 0, "", false);
    row("redirect loop", Behaviour::RedirectLoop, 0, "", false);
    row("hangs up", Behaviour::Hangup, 0, "", false);
    QTest::newRow("refused") << -1 << 0 << QByteArray() << false << 0;
}

void tst_Downloader::everyTransferEndsOnceWithinTheTimeout() {
    QFETCH(int, behaviour);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(bool, completes);
    QFETCH(int, bytes);

    TestHttpServer server;
    QVERIFY(server.start());
    server.behaviour = Behaviour(qMax(behaviour, 0));
    server.status = status;
    server.body = body;
    const QString base =
        behaviour < 0 ? QStringLiteral("http://127.0.0.1:%1/").arg(refusedPort()) : server.baseUrl();

    Downloader web;
    web.setTransferTimeout(ShortTimeoutMs);
    QSignalSpy complete(&web, &Downloader::downloadComplete);
    QSignalSpy failed(&web, &Downloader::downloadFailed);
    QElapsedTimer clock;
    clock.start();
    web.startDownload(base + QStringLiteral("kite-soft/lkvers.txt"));
    QVERIFY(web.isBusy());
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);

    QTRY_VERIFY_WITH_TIMEOUT(complete.size() + failed.size() > 0, ShortTimeoutMs + 2000);
    QTest::qWait(100);
    QCOMPARE(complete.size() + failed.size(), 1);
    QCOMPARE(complete.size(), completes ? 1 : 0);
    QVERIFY(!web.isBusy());
    QVERIFY(clock.elapsed() < ShortTimeoutMs + 1000);
    if (completes) {
        QCOMPARE(complete.first().first().toInt(), bytes);
        QCOMPARE(web.dataBytes(), body);
    } else {
        QVERIFY(web.dataBytes().isEmpty());
    }
    // Cut the flood off early: the client stopped reading, so the server never got far.
    QVERIFY(server.bytesFlooded < 4 * 1024 * 1024);
}

void tst_Downloader::secondStartCancelsTheFirstAndOnlyItReports() {
    // Catches: a cancelled request still reporting, so a caller hears two answers for one question.
    TestHttpServer slow;
    TestHttpServer quick;
    QVERIFY(slow.start());
    QVERIFY(quick.start());
    slow.behaviour = Behaviour::Silent;
    quick.body = "8.2";

    Downloader web;
    web.setTransferTimeout(ShortTimeoutMs);
    QSignalSpy complete(&web, &Downloader::downloadComplete);
    QSignalSpy failed(&web, &Downloader::downloadFailed);
    web.startDownload(slow.baseUrl() + QStringLiteral("a"));
    QTRY_COMPARE(slow.requests.size(), 1);
    web.startDownload(quick.baseUrl() + QStringLiteral("b"));
    QTRY_COMPARE(complete.size(), 1);
    QTest::qWait(ShortTimeoutMs + 300);
    QCOMPARE(complete.size(), 1);
    QCOMPARE(failed.size(), 0);
    QCOMPARE(web.dataBytes(), QByteArray("8.2"));

    // Back to back before either reaches the server: still one report.
    web.startDownload(quick.baseUrl() + QStringLiteral("c"));
    web.startDownload(quick.baseUrl() + QStringLiteral("d"));
    QTRY_COMPARE(complete.size(), 2);
    QTest::qWait(300);
    QCOMPARE(complete.size() + failed.size(), 2);

    // A cancelled request is silent and leaves the control idle.
    web.startDownload(slow.baseUrl() + QStringLiteral("e"));
    web.cancelDownload();
    QVERIFY(!web.isBusy());
    QTest::qWait(ShortTimeoutMs + 300);
    QCOMPARE(complete.size() + failed.size(), 2);
}

void tst_Downloader::emptyAddressLeavesTheControlAsItWas() {
    // Catches: an empty or foreign address leaving the control busy forever or failing inside the call.
    Downloader web;
    QSignalSpy failed(&web, &Downloader::downloadFailed);
    web.startDownload(QString());
    QVERIFY(!web.isBusy());
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);

    for (const char* address : {"file:///etc/passwd", "ftp://127.0.0.1/x", "not an address", "http://"}) {
        web.startDownload(QString::fromLatin1(address));
        QCOMPARE(failed.size(), 0); // never from inside the call
        QTRY_COMPARE(failed.size(), 1);
        QVERIFY(!web.isBusy());
        failed.clear();
    }
}

void tst_Downloader::requestNamesOnlyTheProgramAndItsVersion() {
    // Catches: the request leaking the user's locale or a library's own identity to the server.
    TestHttpServer server;
    QVERIFY(server.start());
    server.body = "8.1";
    Downloader web;
    QSignalSpy complete(&web, &Downloader::downloadComplete);
    web.startDownload(server.baseUrl() + QStringLiteral("kite-soft/lkvers.txt"));
    QTRY_COMPARE(complete.size(), 1);
    QVERIFY(web.duration() >= 0 && web.duration() < 2000);

    const QList<QByteArray> lines = server.requests.value(0).split('\n');
    QCOMPARE(lines.value(0).trimmed(), QByteArray("GET /kite-soft/lkvers.txt HTTP/1.1"));
    QByteArray agent, language;
    for (const QByteArray& line : lines) {
        const QByteArray lower = line.toLower();
        if (lower.startsWith("user-agent:")) agent = line.mid(11).trimmed();
        if (lower.startsWith("accept-language:")) language = line.mid(16).trimmed();
        QVERIFY2(!lower.startsWith("cookie:"), line.constData());
    }
    QCOMPARE(agent, QByteArray("Lexikite/%1.%2.%3")
                        .replace("%1", QByteArray::number(LEXIKITE_VERSION_MAJOR))
                        .replace("%2", QByteArray::number(LEXIKITE_VERSION_MINOR))
                        .replace("%3", QByteArray::number(LEXIKITE_VERSION_PATCH)));
    QCOMPARE(language, QByteArray("en"));
}

QTEST_MAIN(tst_Downloader)
#include "tst_Downloader.moc"
