// Tests of the about box: what it shows and where each of its links and buttons leads.
#include "app/AppState.h"
#include "controls/ImageButton.h"
#include "controls/Downloader.h"
#include "services/OpenLink.h"
#include "services/UpdateCheck.h"
#include "dialogs/AboutBox.h"

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

class tst_AboutBox : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initGlobals(appState(), QStringLiteral("/opt/lexikite"), QDate(2024, 5, 1)); }
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

void tst_AboutBox::showsTheProgramsOwnTexts() {
    // Catches: a box left with design placeholders, or credits in a different font from the rights line.
    AboutBox box;
    QVERIFY(!box.findChild<QLabel*>("iconLabel")->pixmap().isNull());
    QCOMPARE(box.findChild<QLabel*>("versionLabel")->text(), QStringLiteral("Version: 8.10"));
    QCOMPARE(box.findChild<QLabel*>("copyrightLabel")->text(), appState().rightsText);
    auto* credits = box.findChild<QTextEdit*>("creditsBox");
    QCOMPARE(credits->toPlainText(), appState().creditsText);
    QVERIFY(credits->isReadOnly());
    QCOMPARE(credits->font(), box.findChild<QLabel*>("copyrightLabel")->font());
    QCOMPARE(
        box.findChild<QLabel*>("artworkLabel")->text(),
        QStringLiteral("Twemoji artwork © Twitter, Inc and other contributors, licensed under CC-BY 4.0."));
    QCOMPARE(box.findChild<QLabel*>("websiteLink")->text(), appState().webBase);
    QCOMPARE(box.findChild<QLabel*>("websiteLink")->toolTip(), QStringLiteral("Visit us on the web"));
    QCOMPARE(box.findChild<QLabel*>("emailLink")->toolTip(), QStringLiteral("Send us a message"));
    QCOMPARE(box.findChild<ImageButton*>("updateButton")->toolTip(), QStringLiteral("Check for updates"));
}

void tst_AboutBox::linksOpenTheirAddresses_data() {
    // Catches: links swapped, e-mail opened as a web address, a click that opens twice, and a child's click
    // alone opening anything without a grown-up.
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("grownUpPasses");
    for (const bool passes : {true, false}) {
        const char* const who = passes ? "grown-up" : "child alone";
        QTest::addRow("web site, %s", who) << "websiteLink" << appState().webBase << passes;
        QTest::addRow("social picture, %s", who) << "socialLink" << appState().webBase << passes;
        QTest::addRow("e-mail, %s", who)
            << "emailLink" << QStringLiteral("mailto:") + appState().contactAddress << passes;
    }
}

void tst_AboutBox::linksOpenTheirAddresses() {
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
    AboutBox box;
    box.show();
    QTest::mouseClick(box.findChild<QLabel*>(control), Qt::LeftButton);
    QCOMPARE(asked, QList<QUrl>{QUrl(address)});
    QCOMPARE(opened, grownUpPasses ? QList<QUrl>{QUrl(address)} : QList<QUrl>{});
}

void tst_AboutBox::buttonsCheckAndClose_data() {
    QTest::addColumn<QString>("close");
    QTest::newRow("OK button") << "closeButton";
    QTest::newRow("Enter") << "Enter";
    QTest::newRow("Escape") << "Escape";
}

void tst_AboutBox::buttonsCheckAndClose() {
    // Catches: the Update button not reaching the learner's check, and OK (or its keys) not closing the box.
    QFETCH(QString, close);
    Downloader web;
    CountingPrompts prompts;
    UpdateCheck check(web, prompts);
    check.setNetworkAllowed(false);
    setUpdateCheck(&check);

    AboutBox box;
    box.show();
    QTest::mouseClick(box.findChild<ImageButton*>("updateButton"), Qt::LeftButton);
    QCOMPARE(prompts.checksOff, 1);
    QVERIFY(box.isVisible());
    if (close == QLatin1String("Enter"))
        QTest::keyClick(&box, Qt::Key_Return);
    else if (close == QLatin1String("Escape"))
        QTest::keyClick(&box, Qt::Key_Escape);
    else
        QTest::mouseClick(box.findChild<ImageButton*>(close), Qt::LeftButton);
    QVERIFY(!box.isVisible());
    setUpdateCheck(nullptr);
}

QTEST_MAIN(tst_AboutBox)
#include "tst_AboutBox.moc"
