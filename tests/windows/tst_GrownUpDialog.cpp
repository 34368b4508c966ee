// Tests of the grown-up dialog: its keypad and keys reach the check, and nothing else gets past it.
#include "windows/GrownUpDialog.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class tst_GrownUpDialog : public QObject {
    Q_OBJECT
private slots:
    void onlyTheNumberInWordsPasses_data();
    void onlyTheNumberInWordsPasses();
};

void tst_GrownUpDialog::onlyTheNumberInWordsPasses_data() {
    // Catches: the keypad or typed digits not reaching the check, a wrong tap leaving room for another
    // guess, and Enter or Space (which a child presses anyway) getting past it.
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("passes");
    QTest::newRow("keypad, right number") << "tap right" << true;
    QTest::newRow("keyboard, right number") << "type right" << true;
    QTest::newRow("keypad, one wrong digit") << "tap wrong" << false;
    QTest::newRow("Enter and Space") << "enter space" << false;
    QTest::newRow("Escape") << "escape" << false;
}

void tst_GrownUpDialog::onlyTheNumberInWordsPasses() {
    QFETCH(QString, action);
    QFETCH(bool, passes);
    bool closedByAnswer = false;
    QString words;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto* dialog = qobject_cast<GrownUpDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        poll.stop();
        words = dialog->findChild<QLabel*>(QStringLiteral("lblNUMBER"))->text();
        const QString right = QString::number(dialog->check().number());
        if (action == QLatin1String("tap right")) {
            for (QChar digit : right)
                QTest::mouseClick(dialog->digitButton(digit.digitValue()), Qt::LeftButton);
        } else if (action == QLatin1String("type right")) {
            QTest::keyClicks(dialog, right);
        } else if (action == QLatin1String("tap wrong")) {
            QTest::mouseClick(dialog->digitButton((right.at(0).digitValue() + 1) % 10), Qt::LeftButton);
        } else if (action == QLatin1String("enter space")) {
            QTest::keyClick(dialog, Qt::Key_Return);
            QTest::keyClick(dialog, Qt::Key_Space);
        }
        closedByAnswer = QApplication::activeModalWidget() != dialog;
        if (!closedByAnswer) QTest::keyClick(dialog, Qt::Key_Escape);
    });
    poll.start(10);

    QCOMPARE(GrownUpDialog::ask(nullptr), passes);
    QVERIFY(!words.isEmpty());
    QCOMPARE(closedByAnswer,
             action.startsWith(QLatin1String("tap")) || action == QLatin1String("type right"));
}

QTEST_MAIN(tst_GrownUpDialog)
#include "tst_GrownUpDialog.moc"
