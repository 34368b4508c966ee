// The update check end to end: local server, the program's message box, the learner's key.
#include "app/AppState.h"
#include "controls/uctl_WEB.h"
#include "services/OpenLink.h"
#include "services/UpdateCheck.h"
#include "TestHttpServer.h"
#include "windows/MessageBoxPrompts.h"
#include "windows/msg_INF.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class tst_UpdateDialogs : public QObject {
    Q_OBJECT
private slots:
    void learnerSeesTheRightBoxAndItsKeyDecides_data();
    void learnerSeesTheRightBoxAndItsKeyDecides();
};

void tst_UpdateDialogs::learnerSeesTheRightBoxAndItsKeyDecides_data() {
    // Catches: the wrong box for the published version, Ignore or Escape still opening the page, and a
    // Download that does not reach the update page.
    QTest::addColumn<QByteArray>("published");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("opensPage");
    QTest::newRow("newer, Escape") << QByteArray("8.2") << int(Qt::Key_Escape)
                                   << "You Can Now Download a Newer Version" << false;
    QTest::newRow("newer, Ignore") << QByteArray("8.2") << int(Qt::Key_N)
                                   << "You Can Now Download a Newer Version" << false;
    QTest::newRow("newer, Download") << QByteArray("8.2") << int(Qt::Key_Y)
                                     << "You Can Now Download a Newer Version" << true;
    QTest::newRow("same, Close") << QByteArray("8.1") << int(Qt::Key_O)
                                 << "There Are No Updates Available as Yet" << false;
}

void tst_UpdateDialogs::learnerSeesTheRightBoxAndItsKeyDecides() {
    QFETCH(QByteArray, published);
    QFETCH(int, key);
    QFETCH(QString, title);
    QFETCH(bool, opensPage);

    TestHttpServer server;
    QVERIFY(server.start());
    server.body = published;
    qputenv("LEXIKITE_WEB_BASE", server.baseUrl().toLatin1());
    InitGlobals(appState(), QStringLiteral("/opt/lexikite"), QDate(2024, 5, 1));
    QList<QUrl> opened;
    setLinkOpener([&opened](const QUrl& url) {
        opened << url;
        return true;
    });
    setGrownUpGate([](const QUrl&) { return true; });

    QWidget mainWindow;
    mainWindow.show();
    QObject holder;
    UpdateCheck* check = installUpdateCheck(&holder, [&mainWindow] { return &mainWindow; });
    check->setNetworkAllowed(true);
    QCOMPARE(updateCheck(), check);
    QSignalSpy ended(check, &UpdateCheck::checkEnded);

    QString seenTitle;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<msg_INF*>(QApplication::activeModalWidget());
        if (!box) return;
        poll.stop();
        seenTitle = box->findChild<QLabel*>(QStringLiteral("lablTITLE"))->text();
        QCOMPARE(box->parentWidget(), &mainWindow);
        QTest::keyClick(box, Qt::Key(key));
    });
    poll.start(10);
    CheckForUpdate(true);
    QTRY_COMPARE(ended.size(), 1);

    QCOMPARE(seenTitle, title);
    QCOMPARE(opened, opensPage ? QList<QUrl>{QUrl(appState().UpdatePageUrl)} : QList<QUrl>{});
    setLinkOpener({});
    setGrownUpGate({});
}

QTEST_MAIN(tst_UpdateDialogs)
#include "tst_UpdateDialogs.moc"
