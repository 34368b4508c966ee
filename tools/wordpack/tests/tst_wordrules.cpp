// Tests of the rule of which words every game can play.
#include "catalogue/WordRules.h"

#include <QTest>

class tst_wordrules : public QObject {
    Q_OBJECT
private slots:
    void onlyWordsEveryGameCanPlayAreAccepted_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("playable");
        QTest::newRow("word") << "zebra" << true;
        QTest::newRow("two words") << "ice cream" << true;
        QTest::newRow("capital") << "Paris" << true;
        QTest::newRow("26 letters") << "abcdefghijklmnopqrstuvwxyz" << true;
        QTest::newRow("27 letters") << "abcdefghijklmnopqrstuvwxyza" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("digit") << "dog2" << false;
        QTest::newRow("hyphen") << "yo-yo" << false;
        QTest::newRow("apostrophe") << "dog's" << false;
        QTest::newRow("slash") << "cat/dog" << false;
        QTest::newRow("accent") << QString::fromUtf8("café") << false;
        QTest::newRow("underscore tag") << "cat Type_UK" << false;
        QTest::newRow("leading space") << " cat" << false;
        QTest::newRow("double space") << "ice  cream" << false;
        QTest::newRow("one letter cannot be shuffled") << "a" << false;
        QTest::newRow("one repeated letter") << "zzz" << false;
    }
    void onlyWordsEveryGameCanPlayAreAccepted() {
        QFETCH(QString, word);
        QFETCH(bool, playable);
        QCOMPARE(WordRules::unplayableReason(word).isEmpty(), playable);
    }
};

QTEST_APPLESS_MAIN(tst_wordrules)
#include "tst_wordrules.moc"
