// Tests of the grown-up check: the number in words, and the digits that pass or fail it.
#include "services/GrownUpCheck.h"

#include <QTest>

using State = GrownUpCheck::State;
Q_DECLARE_METATYPE(GrownUpCheck::State)

class tst_GrownUpCheck : public QObject {
    Q_OBJECT
private slots:
    // Fault: a number said wrongly ("fourty", "ten-eight", a lost "and"), so the grown-up taps another one.
    void numbersInWords_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("words");
        QTest::newRow("round hundred") << 100 << "one hundred";
        QTest::newRow("teen") << 718 << "seven hundred and eighteen";
        QTest::newRow("round ten") << 640 << "six hundred and forty";
        QTest::newRow("tens and units") << 342 << "three hundred and forty-two";
        QTest::newRow("highest") << 999 << "nine hundred and ninety-nine";
    }
    void numbersInWords() {
        QFETCH(int, number);
        QFETCH(QString, words);
        QCOMPARE(GrownUpCheck(number).words(), words);
    }

    // Fault: a wrong digit allowing another try (random taps then pass in time), a pass before the last
    // digit, or a pass after a failure.
    void onlyEveryDigitInOrderPasses_data() {
        QTest::addColumn<QString>("taps");
        QTest::addColumn<State>("state");
        QTest::newRow("right") << "342" << State::Passed;
        QTest::newRow("not finished") << "34" << State::Waiting;
        QTest::newRow("wrong last digit") << "343" << State::Failed;
        QTest::newRow("wrong first digit, then right") << "2342" << State::Failed;
        QTest::newRow("extra tap after passing") << "3421" << State::Passed;
    }
    void onlyEveryDigitInOrderPasses() {
        QFETCH(QString, taps);
        QFETCH(State, state);
        GrownUpCheck check(342);
        for (QChar tap : taps)
            check.enter(tap.digitValue());
        QCOMPARE(check.state(), state);
    }
};

QTEST_GUILESS_MAIN(tst_GrownUpCheck)
#include "tst_GrownUpCheck.moc"
