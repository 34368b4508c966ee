// Tests of the message box: its table, its keys and buttons, and the answer each way of leaving gives.
#include "app/AppState.h"
#include "dialogs/MessageTexts.h"
#include "dialogs/MessageBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {
// Runs `step` on the message box once it is up inside its own modal loop and takes answers (or at once).
void whenShown(std::function<void(MessageBox*)> step, bool early = false) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, step, early] {
        auto* box = qobject_cast<MessageBox*>(QApplication::activeModalWidget());
        if (box && (early || box->settled())) {
            poll->deleteLater();
            step(box);
        }
    });
    poll->start(10);
}

QPushButton* visibleButton(MessageBox* box, const QString& caption) {
    for (QPushButton* b : box->findChildren<QPushButton*>())
        if (b->isVisible() && b->text() == caption) return b;
    return nullptr;
}
} // namespace

class tst_MessageBox : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        initGlobals(appState(), QStringLiteral("/tmp"), QDate(2024, 5, 1));
        MessageBox::setSettleMs(100);
    }
    void everyWayOutGivesItsAnswer_data();
    void everyWayOutGivesItsAnswer();
    void questionShowsVersionAboveTheChanges();
    void unknownNumbersNeverTrapTheLearner();
};

void tst_MessageBox::everyWayOutGivesItsAnswer_data() {
    // Catches: wrong key table per bar, keys acting on hidden bars, stale answers after a window close, and
    // a key, click or held key meant for the screen below answering a box that has only just appeared.
    QTest::addColumn<bool>("question");
    QTest::addColumn<QString>("action"); // ["early "]"key:X", "alt:X", "held:X", "click:caption", "close"
    QTest::addColumn<bool>("leaves");
    QTest::addColumn<int>("result");

    QTest::newRow("question Escape") << true << "key:Escape" << true << 2;
    QTest::newRow("question Y") << true << "key:Y" << true << 6;
    QTest::newRow("question N") << true << "key:N" << true << 7;
    QTest::newRow("question C does nothing") << true << "key:C" << false << 0;
    QTest::newRow("question O does nothing") << true << "key:O" << false << 0;
    QTest::newRow("question Alt+D is the mnemonic") << true << "alt:D" << true << 6;
    QTest::newRow("question Alt+I is the mnemonic") << true << "alt:I" << true << 7;
    QTest::newRow("question Download") << true << "click:&Download" << true << 6;
    QTest::newRow("question Ignore") << true << "click:&Ignore" << true << 7;
    QTest::newRow("question window closed") << true << "close" << true << 2;
    QTest::newRow("question Enter is Ignore") << true << "key:Enter" << true << 7;
    QTest::newRow("question Y as it appears") << true << "early key:Y" << false << 0;
    QTest::newRow("question Enter as it appears") << true << "early key:Enter" << false << 0;
    QTest::newRow("question Alt+D as it appears") << true << "early alt:D" << false << 0;
    QTest::newRow("question Download as it appears") << true << "early click:&Download" << false << 0;
    QTest::newRow("question Y held down") << true << "held:Y" << false << 0;
    QTest::newRow("information O") << false << "key:O" << true << 2;
    QTest::newRow("information Escape") << false << "key:Escape" << true << 2;
    QTest::newRow("information Y does nothing") << false << "key:Y" << false << 0;
    QTest::newRow("information Close") << false << "click: &Close " << true << 2;
}

void tst_MessageBox::everyWayOutGivesItsAnswer() {
    QFETCH(bool, question);
    QFETCH(QString, action);
    QFETCH(bool, leaves);
    QFETCH(int, result);

    // An earlier "yes" must not leak into this box's answer.
    setLastMessageResult(MessageAnswer::Yes);
    bool stillOpen = false;
    const bool early = action.startsWith(QLatin1String("early "));
    if (early) action = action.mid(6);
    whenShown(
        [&](MessageBox* box) {
            const QString arg = action.section(QLatin1Char(':'), 1);
            const Qt::Key key = arg == QLatin1String("Escape")  ? Qt::Key_Escape
                                : arg == QLatin1String("Enter") ? Qt::Key_Return
                                : arg.isEmpty()                 ? Qt::Key_unknown
                                                                : Qt::Key(arg.at(0).unicode());
            if (action.startsWith(QLatin1String("held:"))) {
                QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, arg, true);
                QApplication::sendEvent(box->focusWidget() ? box->focusWidget() : box, &repeat);
            } else if (action.startsWith(QLatin1String("key:")) || action.startsWith(QLatin1String("alt:"))) {
                const auto mods = action.startsWith(QLatin1String("alt:")) ? Qt::AltModifier : Qt::NoModifier;
                // Through the window, as a real key press arrives, so mnemonics get their turn.
                QTest::keyClick(box->windowHandle(), key, mods);
            } else if (action.startsWith(QLatin1String("click:"))) {
                QPushButton* button = visibleButton(box, arg);
                QVERIFY2(button, qPrintable(arg));
                QTest::mouseClick(button, Qt::LeftButton);
            } else if (action == QLatin1String("close")) {
                box->close();
            }
            // A mnemonic presses its button with a short animation before it clicks.
            QTest::qWait(200);
            if (QApplication::activeModalWidget() == box) {
                QVERIFY(box->settled());
                stillOpen = true;
                QTest::keyClick(box, Qt::Key_Escape);
            }
        },
        early);

    if (question) {
        QCOMPARE(askQuestion(MessageNumber::NewerVersion, nullptr), leaves ? result : MessageAnswer::Cancel);
    } else {
        showInfoMessage(MessageNumber::NoUpdates, QString(), nullptr);
        QCOMPARE(lastMessageResult(), result ? result : MessageAnswer::Cancel);
    }
    QCOMPARE(stillOpen, !leaves);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void tst_MessageBox::questionShowsVersionAboveTheChanges() {
    // Catches: a lost line break, a wrong version in the question, or the wrong bar and captions.
    QStringList lines;
    QStringList captions;
    QString title;
    whenShown([&](MessageBox* box) {
        title = box->findChild<QLabel*>(QStringLiteral("titleLabel"))->text();
        lines = box->findChild<QLabel*>(QStringLiteral("descriptionLabel"))->text().split(QLatin1Char('\n'));
        for (QPushButton* b : box->findChildren<QPushButton*>())
            if (b->isVisible()) captions << b->text();
        QCOMPARE(box->visibleBar(), MessageBar::YesNo);
        QTest::keyClick(box, Qt::Key_N);
    });
    QCOMPARE(askQuestion(MessageNumber::NewerVersion, nullptr), MessageAnswer::No);
    QCOMPARE(title, QStringLiteral("You Can Now Download a Newer Version"));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0), QStringLiteral("Your current version: 8.1"));
    QVERIFY(lines.at(1).startsWith(QStringLiteral("The changes can be found on the website.")));
    QCOMPARE(captions, QStringList({QStringLiteral("&Download"), QStringLiteral("&Ignore")}));
}

void tst_MessageBox::unknownNumbersNeverTrapTheLearner() {
    // Catches: a box with no buttons that cannot be closed, and a stale answer for an unknown question.
    setLastMessageResult(MessageAnswer::Yes);
    QCOMPARE(askQuestion(99, nullptr), MessageAnswer::Cancel);
    QVERIFY(QApplication::activeModalWidget() == nullptr);

    QString title = QStringLiteral("unset");
    whenShown([&](MessageBox* box) {
        title = box->findChild<QLabel*>(QStringLiteral("titleLabel"))->text();
        QCOMPARE(box->visibleBar(), MessageBar::Information);
        QTest::keyClick(box, Qt::Key_O);
    });
    showInfoMessage(99, QStringLiteral("ignored"), nullptr);
    QCOMPARE(title, QString());
}

QTEST_MAIN(tst_MessageBox)
#include "tst_MessageBox.moc"
