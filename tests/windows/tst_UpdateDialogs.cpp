// The update check end to end: local server, the program's message box, the learner's key.
#include "app/AppState.h"
#include "controls/uctl_WEB.h"
#include "services/OpenLink.h"
#include "services/UpdateCheck.h"
#include "TestHttpServer.h"
#include "windows/Forms.h"
#include "windows/MessageBoxPrompts.h"
#include "windows/msg_INF.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

class tst_UpdateDialogs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { msg_INF::setSettleMs(50); }
    void init();
    void cleanup();
    void learnerSeesTheRightBoxAndItsKeyDecides_data();
    void learnerSeesTheRightBoxAndItsKeyDecides();
    void startUpQuestionWaitsForTheHomeScreen();

private:
    // Presses `key` on the next message box once it takes answers, and remembers its title.
    void answerNextBox(Qt::Key key);

    std::unique_ptr<TestHttpServer> server_;
    QTimer poll_;
    QString seenTitle_;
    QWidget* seenOwner_ = nullptr;
    QList<QUrl> opened_;
};

void tst_UpdateDialogs::init() {
    server_ = std::make_unique<TestHttpServer>();
    QVERIFY(server_->start());
    qputenv("LEXIKITE_WEB_BASE", server_->baseUrl().toLatin1());
    InitGlobals(appState(), QStringLiteral("/opt/lexikite"), QDate(2024, 5, 1));
    seenTitle_.clear();
    seenOwner_ = nullptr;
    opened_.clear();
    setLinkOpener([this](const QUrl& url) {
        opened_ << url;
        return true;
    });
    setGrownUpGate([](const QUrl&) { return true; });
}

void tst_UpdateDialogs::cleanup() {
    poll_.disconnect();
    poll_.stop();
    setLinkOpener({});
    setGrownUpGate({});
    server_.reset();
}

void tst_UpdateDialogs::answerNextBox(Qt::Key key) {
    connect(&poll_, &QTimer::timeout, this, [this, key] {
        auto* box = qobject_cast<msg_INF*>(QApplication::activeModalWidget());
        if (!box || !box->settled()) return;
        poll_.stop();
        seenTitle_ = box->findChild<QLabel*>(QStringLiteral("lablTITLE"))->text();
        seenOwner_ = box->parentWidget();
        QTest::keyClick(box, key);
    });
    poll_.start(10);
}

void tst_UpdateDialogs::learnerSeesTheRightBoxAndItsKeyDecides_data() {
    // Catches: the wrong box for the published version, Ignore or Escape still opening the page, a
    // Download that does not reach the update page, and an unreachable site reported as "no updates".
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("published");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("opensPage");
    QTest::newRow("newer, Escape") << 200 << QByteArray("8.2") << int(Qt::Key_Escape)
                                   << "You Can Now Download a Newer Version" << false;
    QTest::newRow("newer, Ignore") << 200 << QByteArray("8.2") << int(Qt::Key_N)
                                   << "You Can Now Download a Newer Version" << false;
    QTest::newRow("newer, Download") << 200 << QByteArray("8.2") << int(Qt::Key_Y)
                                     << "You Can Now Download a Newer Version" << true;
    QTest::newRow("same, Close") << 200 << QByteArray("8.1") << int(Qt::Key_O)
                                 << "There Are No Updates Available as Yet" << false;
    QTest::newRow("site not there, Close")
        << 404 << QByteArray("9.0") << int(Qt::Key_O) << "We Could Not Check for Updates" << false;
}

void tst_UpdateDialogs::learnerSeesTheRightBoxAndItsKeyDecides() {
    QFETCH(int, status);
    QFETCH(QByteArray, published);
    QFETCH(int, key);
    QFETCH(QString, title);
    QFETCH(bool, opensPage);
    server_->status = status;
    server_->body = published;

    QWidget mainWindow;
    mainWindow.show();
    QObject holder;
    UpdateCheck* check = installUpdateCheck(&holder, [&mainWindow] { return &mainWindow; });
    check->setNetworkAllowed(true);
    QCOMPARE(updateCheck(), check);
    QSignalSpy ended(check, &UpdateCheck::checkEnded);
    answerNextBox(Qt::Key(key));
    CheckForUpdate(true);
    QTRY_COMPARE(ended.size(), 1);

    QCOMPARE(seenTitle_, title);
    QCOMPARE(seenOwner_, &mainWindow);
    QCOMPARE(opened_, opensPage ? QList<QUrl>{QUrl(appState().UpdatePageUrl)} : QList<QUrl>{});
}

void tst_UpdateDialogs::startUpQuestionWaitsForTheHomeScreen() {
    // Catches: the start-up check's question opening over a game (where typing would answer it), or never
    // coming once the learner is back on the home screen.
    server_->body = "8.2";
    QWidget area;
    area.resize(300, 200);
    area.show();
    forms().setChildArea(&area);
    for (const QString name : {QStringLiteral("fgam_HID"), QStringLiteral("mdb_HOM")})
        forms().registerForm(name, [name] { return new ChildForm(name); });
    forms().show(QStringLiteral("fgam_HID"));
    QObject holder;
    UpdateCheck* check = installUpdateCheck(&holder, [&area] { return &area; });
    check->setNetworkAllowed(true);
    QSignalSpy ended(check, &UpdateCheck::checkEnded);
    answerNextBox(Qt::Key_N);

    CheckForUpdate(false);
    QTRY_COMPARE(ended.size(), 1);
    QTest::qWait(200);
    QVERIFY(seenTitle_.isEmpty());
    forms().show(QStringLiteral("mdb_HOM"));
    QTRY_COMPARE(seenTitle_, QStringLiteral("You Can Now Download a Newer Version"));

    forms().unloadAll();
    forms().setChildArea(nullptr);
    forms().setActivationListener({});
}

QTEST_MAIN(tst_UpdateDialogs)
#include "tst_UpdateDialogs.moc"
