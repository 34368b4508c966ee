// Tests of OpenLink: which address each prefix and target become, and the pointer afterwards.
#include "app/AppState.h"
#include "services/OpenLink.h"

#include <QGuiApplication>
#include <QTest>

class tst_OpenLink : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initGlobals(appState(), QStringLiteral("/opt/lexikite"), QDate(2024, 5, 1)); }
    void cleanup() {
        setLinkOpener({});
        setGrownUpGate({});
    }
    void eachCallerGetsTheAddressItMeans_data();
    void eachCallerGetsTheAddressItMeans();
};

void tst_OpenLink::eachCallerGetsTheAddressItMeans_data() {
    // Catches: schemes doubled or lost, e-mail without mailto:, files opened relative to the wrong folder,
    // odd schemes reaching the desktop, a busy pointer left behind, and anything opened without a grown-up.
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QUrl>("opened"); // empty: nothing is opened
    QTest::addColumn<bool>("desktopAccepts");
    QTest::addColumn<QString>("grownUp"); // "passes" unless a row says otherwise

    QTest::newRow("empty target") << ""
                                  << "" << QUrl() << true << "passes";
    QTest::newRow("blank target") << "mailto:"
                                  << "   " << QUrl() << true << "passes";
    QTest::newRow("web base") << ""
                              << "https://www.brightmoor-learning.example/"
                              << QUrl("https://www.brightmoor-learning.example/") << true << "passes";
    QTest::newRow("scheme in capitals")
        << ""
        << "HTTP://Example.org/x" << QUrl("http://example.org/x") << true << "passes";
    QTest::newRow("e-mail") << "mailto:"
                            << "hello@brightmoor-learning.example"
                            << QUrl("mailto:hello@brightmoor-learning.example") << true << "passes";
    QTest::newRow("e-mail already marked")
        << "mailto:"
        << "mailto:a@b.example" << QUrl("mailto:a@b.example") << true << "passes";
    QTest::newRow("update page") << "http://"
                                 << "https://u.example/update/1501-810.html"
                                 << QUrl("https://u.example/update/1501-810.html") << true << "passes";
    QTest::newRow("update page without scheme")
        << "http://"
        << "u.example/update" << QUrl("http://u.example/update") << true << "passes";
    QTest::newRow("bare file") << ""
                               << "read me #1.txt"
                               << QUrl::fromLocalFile(QStringLiteral("/opt/lexikite/read me #1.txt")) << true
                               << "passes";
    QTest::newRow("scheme only inside a file name")
        << ""
        << "notes https: old.txt" << QUrl::fromLocalFile("/opt/lexikite/notes https: old.txt") << true
        << "passes";
    QTest::newRow("foreign scheme with http prefix") << "http://"
                                                     << "javascript:alert(1)" << QUrl() << true << "passes";
    QTest::newRow("desktop refuses") << ""
                                     << "https://x.example/" << QUrl("https://x.example/") << false
                                     << "passes";
    QTest::newRow("grown-up check not passed") << ""
                                               << "https://x.example/" << QUrl() << true << "fails";
    QTest::newRow("no grown-up check installed") << "mailto:"
                                                 << "a@b.example" << QUrl() << true << "none";
}

void tst_OpenLink::eachCallerGetsTheAddressItMeans() {
    QFETCH(QString, prefix);
    QFETCH(QString, target);
    QFETCH(QUrl, opened);
    QFETCH(bool, desktopAccepts);
    QFETCH(QString, grownUp);

    if (grownUp != QLatin1String("none"))
        setGrownUpGate([&grownUp](const QUrl&) { return grownUp != QLatin1String("fails"); });
    QList<QUrl> seen;
    bool busyMeanwhile = false;
    setLinkOpener([&](const QUrl& url) {
        seen << url;
        busyMeanwhile =
            QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
        return desktopAccepts;
    });
    openLink(prefix, target);
    QCOMPARE(seen.size(), opened.isEmpty() ? 0 : 1);
    if (!opened.isEmpty()) {
        QCOMPARE(seen.first(), opened);
        QVERIFY(busyMeanwhile);
    }
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
}

QTEST_MAIN(tst_OpenLink)
#include "tst_OpenLink.moc"
