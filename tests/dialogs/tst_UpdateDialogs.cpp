// The update check end to end: local server, the program's message box, the learner's key.
#include "app/AppState.h"
#include "controls/Downloader.h"
#include "services/OpenLink.h"
#include "services/UpdateCheck.h"
#include "TestHttpServer.h"
#include "forms/Forms.h"
#include "dialogs/MessageBoxPrompts.h"
#include "dialogs/MessageBox.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class tst_UpdateDialogs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { MessageBox::setSettleMs(50); }
    void learnerSeesTheRightBoxAndItsKeyDecides_data();
    void learnerSeesTheRightBoxAndItsKeyDecides();
    void startUpQuestionWaitsForTheHomeScreen();
};

namespace {
// Presses `key` on the next message box once it takes answers; its title goes to `title`.
void answerNextBox(QTimer& poll, Qt::Key key, QString* title, QWidget** owner = nullptr) {
    QObject::connect(&poll, &QTimer::timeout, &poll, [&poll, key, title, owner] {
        auto* box = qobject_cast<MessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->settled()) return;
        poll.stop();
        *title = box->findChild<QLabel*>(QStringLiteral("titleLabel"))->text();
        if (owner) *owner = box->parentWidget();
        QTest::keyClick(box, key);
    });
    poll.start(10);
}
} // namespace

void tst_UpdateDialogs::learnerSeesTheRightBoxAndItsKeyDecides_data() {
    // Catches: the wrong box for the published version, Ignore or Escape still opening the page, a
    // Download that does not reach the update page, and an unreachable site reported as "no updates".
    QTest::addColumn<QByteArray>("published"); // "404": the site answers "not found"
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
    QTest::newRow("site not there, Close")
        << QByteArray("404") << int(Qt::Key_O) << "We Could Not Check for Updates" << false;
}

void tst_UpdateDialogs::learnerSeesTheRightBoxAndItsKeyDecides() {
    QFETCH(QByteArray, published);
    QFETCH(int, key);
    QFETCH(QString, title);
    QFETCH(bool, opensPage);

    TestHttpServer server;
    QVERIFY(server.start());
    server.body = published;
    if (published == "404") server.status = 404;
    qputenv("LEXIKITE_WEB_BASE", server.baseUrl().toLatin1());
    initGlobals(appState(), QStringLiteral("/opt/lexikite"), QDate(2024, 5, 1));
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
    QWidget* owner = nullptr;
    QTimer poll;
    answerNextBox(poll, Qt::Key(key), &seenTitle, &owner);
    checkForUpdate(true);
    QTRY_COMPARE(ended.size(), 1);

    QCOMPARE(seenTitle, title);
    QCOMPARE(owner, &mainWindow);
    QCOMPARE(opened, opensPage ? QList<QUrl>{QUrl(appState().updatePageUrl)} : QList<QUrl>{});
    setLinkOpener({});
    setGrownUpGate({});
}

void tst_UpdateDialogs::startUpQuestionWaitsForTheHomeScreen() {
    // Catches: the start-up check's question opening over a game (where typing would answer it), or never
    // coming once the learner is back on the home screen.
    TestHttpServer server;
    QVERIFY(server.start());
    server.body = "8.2";
    qputenv("LEXIKITE_WEB_BASE", server.baseUrl().toLatin1());
    initGlobals(appState(), QStringLiteral("/opt/lexikite"), QDate(2024, 5, 1));
    QWidget area;
    area.show();
    forms().setChildArea(&area);
    for (const QString name : {QStringLiteral("HiddenWindow"), QStringLiteral("HomeScreen")})
        forms().registerForm(name, [name] { return new ChildForm(name); });
    forms().show(QStringLiteral("HiddenWindow"));
    QObject holder;
    UpdateCheck* check = installUpdateCheck(&holder, [&area] { return &area; });
    check->setNetworkAllowed(true);
    QSignalSpy ended(check, &UpdateCheck::checkEnded);
    QString seenTitle;
    QTimer poll;
    answerNextBox(poll, Qt::Key_N, &seenTitle);

    checkForUpdate(false);
    QTRY_COMPARE(ended.size(), 1);
    QTest::qWait(200);
    QVERIFY(seenTitle.isEmpty());
    forms().show(QStringLiteral("HomeScreen"));
    QTRY_COMPARE(seenTitle, QStringLiteral("You Can Now Download a Newer Version"));
    forms().unloadAll();
    forms().setChildArea(nullptr);
}

QTEST_MAIN(tst_UpdateDialogs)
#include "tst_UpdateDialogs.moc"
