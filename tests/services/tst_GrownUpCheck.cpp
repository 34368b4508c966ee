// Tests of the grown-up check: the number in words, and the digits that pass or fail it.
#include "services/GrownUpCheck.h"
#include "services/GrownUpPause.h"

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

    // Fault: a pause that does not grow (random taps get a try every few seconds) or never ends, or one that
    // goes on punishing a grown-up after a pass or an old mistake.
    void pauseGrowsWithWrongAnswersInARow_data() {
        QTest::addColumn<QString>("story"); // w: a wrong answer once the pause is over, p: a pass, h: an hour
        QTest::addColumn<qint64>("pauseMs");
        QTest::newRow("first mistake") << "w" << qint64(5'000);
        QTest::newRow("third") << "www" << qint64(60'000);
        QTest::newRow("sixth stays at the longest") << "wwwwww" << qint64(900'000);
        QTest::newRow("after a pass") << "wwwpw" << qint64(5'000);
        QTest::newRow("an hour after the last") << "wwwhw" << qint64(5'000);
    }
    void pauseGrowsWithWrongAnswersInARow() {
        QFETCH(QString, story);
        QFETCH(qint64, pauseMs);
        qint64 now = 0;
        GrownUpPause pause([&now] { return now; });
        for (QChar step : story) {
            now += pause.remainingMs() + (step == u'h' ? GrownUpPause::ForgivenAfterMs : 1);
            if (step == u'w') pause.wrongAnswer();
            if (step == u'p') pause.passed();
        }
        QCOMPARE(pause.remainingMs(), pauseMs);
        now += pauseMs;
        QCOMPARE(pause.remainingMs(), qint64(0));
    }
};

QTEST_GUILESS_MAIN(tst_GrownUpCheck)
#include "tst_GrownUpCheck.moc"
