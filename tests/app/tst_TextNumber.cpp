// Tests of how numbers kept as texts are read back.
#include "app/TextNumber.h"

#include <QTest>

class tst_TextNumber : public QObject {
    Q_OBJECT
private slots:
    // Fault: a text with trailing words, a sign or spaces read as 0 (or crashing), which would lower a
    // stored high score on the next award or pick the wrong "point"/"points".
    void readsTheLeadingNumericPart_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("digits") << "40" << 40.0;
        QTest::newRow("leading zero") << "01" << 1.0;
        QTest::newRow("spaces and words") << "  40 points" << 40.0;
        QTest::newRow("negative") << "-5x" << -5.0;
        QTest::newRow("plus") << "+3" << 3.0;
        QTest::newRow("decimal") << "1.5" << 1.5;
        QTest::newRow("only a fraction") << ".5" << 0.5;
        QTest::newRow("dot without digits") << "1." << 1.0;
        QTest::newRow("words") << "abc" << 0.0;
        QTest::newRow("lone sign") << "-" << 0.0;
        QTest::newRow("beyond 32 bits") << "99999999999" << 99999999999.0;
    }
    void readsTheLeadingNumericPart() {
        QFETCH(QString, text);
        QFETCH(double, number);
        QCOMPARE(leadingNumber(text), number);
    }
};

QTEST_GUILESS_MAIN(tst_TextNumber)
#include "tst_TextNumber.moc"
