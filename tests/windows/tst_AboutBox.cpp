// Tests of the about box: what it shows and where each of its links and buttons leads.
#include "app/AppState.h"
#include "controls/ImageButton.h"
#include "controls/Downloader.h"
#include "services/OpenLink.h"
#include "services/UpdateCheck.h"
#include "windows/AboutBox.h"

#include <QLabel>
#include <QTest>
#include <QTextEdit>

namespace {
struct CountingPrompts : UpdatePrompts {
    int checksOff = 0;
    bool askToDownload() override { return false; }
    void tellNoUpdates() override {}
    void tellCheckFailed() override {}
    void tellChecksAreOff() override { ++checksOff; }
    void showNotice(const QString&, const QString&) override {}
};
} // namespace

class tst_msys_ABT : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitGlobals(appState(), QStringLiteral("/opt/lexikite"), QDate(2024, 5, 1)); }
    void cleanup() {
        setLinkOpener({});
        setGrownUpGate({});
    }
    void showsTheProgramsOwnTexts();
    void linksOpenTheirAddresses_data();
    void linksOpenTheirAddresses();
    void buttonsCheckAndClose_data();
    void buttonsCheckAndClose();
};

void tst_msys_ABT::showsTheProgramsOwnTexts() {
    // Catches: a box left with design placeholders, or credits in a different font from the rights line.
    msys_ABT box;
    QVERIFY(!box.findChild<QLabel*>("imgICON")->pixmap().isNull());
    QCOMPARE(box.findChild<QLabel*>("lablVERSION")->text(), QStringLiteral("Version: 8.10"));
    QCOMPARE(box.findChild<QLabel*>("lblCOPY")->text(), appState().RightsText);
    auto* credits = box.findChild<QTextEdit*>("textCREDITS");
    QCOMPARE(credits->toPlainText(), appState().CreditsText);
    QVERIFY(credits->isReadOnly());
    QCOMPARE(credits->font(), box.findChild<QLabel*>("lblCOPY")->font());
    QCOMPARE(
        box.findChild<QLabel*>("lblARTWORK")->text(),
        QStringLiteral("Twemoji artwork © Twitter, Inc and other contributors, licensed under CC-BY 4.0."));
    QCOMPARE(box.findChild<QLabel*>("lblWEBSITE")->text(), appState().WebBase);
    QCOMPARE(box.findChild<QLabel*>("lblWEBSITE")->toolTip(), QStringLiteral("Visit us on the web"));
    QCOMPARE(box.findChild<QLabel*>("lblEMAIL")->toolTip(), QStringLiteral("Send us a message"));
    QCOMPARE(box.findChild<uctl_BTN*>("btnUPDATE")->toolTip(), QStringLiteral("Check for updates"));
}

void tst_msys_ABT::linksOpenTheirAddresses_data() {
    // Catches: links swapped, e-mail opened as a web address, a click that opens twice, and a child's click
    // alone opening anything without a grown-up.
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("grownUpPasses");
    for (const bool passes : {true, false}) {
        const char* const who = passes ? "grown-up" : "child alone";
        QTest::addRow("web site, %s", who) << "lblWEBSITE" << appState().WebBase << passes;
        QTest::addRow("social picture, %s", who) << "imgSOCIAL" << appState().WebBase << passes;
        QTest::addRow("e-mail, %s", who)
            << "lblEMAIL" << QStringLiteral("mailto:") + appState().ContactAddress << passes;
    }
}

void tst_msys_ABT::linksOpenTheirAddresses() {
    QFETCH(QString, control);
    QFETCH(QString, address);
    QFETCH(bool, grownUpPasses);
    QList<QUrl> opened, asked;
    setLinkOpener([&opened](const QUrl& url) {
        opened << url;
        return true;
    });
    setGrownUpGate([&](const QUrl& url) {
        asked << url;
        return grownUpPasses;
    });
    msys_ABT box;
    box.show();
    QTest::mouseClick(box.findChild<QLabel*>(control), Qt::LeftButton);
    QCOMPARE(asked, QList<QUrl>{QUrl(address)});
    QCOMPARE(opened, grownUpPasses ? QList<QUrl>{QUrl(address)} : QList<QUrl>{});
}

void tst_msys_ABT::buttonsCheckAndClose_data() {
    QTest::addColumn<QString>("close");
    QTest::newRow("OK button") << "btnCLOSE";
    QTest::newRow("Enter") << "Enter";
    QTest::newRow("Escape") << "Escape";
}

void tst_msys_ABT::buttonsCheckAndClose() {
    // Catches: the Update button not reaching the learner's check, and OK (or its keys) not closing the box.
    QFETCH(QString, close);
    uctl_WEB web;
    CountingPrompts prompts;
    UpdateCheck check(web, prompts);
    check.setNetworkAllowed(false);
    setUpdateCheck(&check);

    msys_ABT box;
    box.show();
    QTest::mouseClick(box.findChild<uctl_BTN*>("btnUPDATE"), Qt::LeftButton);
    QCOMPARE(prompts.checksOff, 1);
    QVERIFY(box.isVisible());
    if (close == QLatin1String("Enter"))
        QTest::keyClick(&box, Qt::Key_Return);
    else if (close == QLatin1String("Escape"))
        QTest::keyClick(&box, Qt::Key_Escape);
    else
        QTest::mouseClick(box.findChild<uctl_BTN*>(close), Qt::LeftButton);
    QVERIFY(!box.isVisible());
    setUpdateCheck(nullptr);
}

QTEST_MAIN(tst_msys_ABT)
#include "tst_AboutBox.moc"
