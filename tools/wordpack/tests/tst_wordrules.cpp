// Tests of the file-name rules and the playable-word rule the tool shares with the games.
#include "WordRules.h"

#include <QTest>

class TestWordRules : public QObject {
    Q_OBJECT
private slots:
    void wordFromFileNameFollowsTheGames_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("word");
        QTest::newRow("plain") << "cat.edi" << "cat";
        QTest::newRow("prefix") << "01 apple.edi" << "apple";
        QTest::newRow("prefix and tag") << "12 ice cream type_uk.edi" << "ice cream";
        QTest::newRow("two letters") << "ab.edi" << "ab";
        QTest::newRow("blank not third") << "a b.edi" << "a b";
        QTest::newRow("short word read as prefix") << "ab c.edi" << "c";
        QTest::newRow("capital tag is no tag") << "cat Type_UK.edi" << "cat Type_UK";
        QTest::newRow("upper-case extension") << "CAT.EDI" << "CAT";
    }
    void wordFromFileNameFollowsTheGames() {
        QFETCH(QString, file);
        QFETCH(QString, word);
        QCOMPARE(WordRules::wordFromFileName(file), word);
    }

    void languageMatchKeepsEachVariantToItsEnglish_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("british");
        QTest::addColumn<bool>("american");
        QTest::newRow("untagged") << "tomato.edi" << true << true;
        QTest::newRow("british") << "tomato type_uk.edi" << true << false;
        QTest::newRow("american") << "tomato type_us.edi" << false << true;
        QTest::newRow("both tags") << "tomato type_uk type_us.edi" << true << true;
    }
    void languageMatchKeepsEachVariantToItsEnglish() {
        QFETCH(QString, file);
        QFETCH(bool, british);
        QFETCH(bool, american);
        QCOMPARE(WordRules::isLanguageMatch(file, true), british);
        QCOMPARE(WordRules::isLanguageMatch(file, false), american);
    }

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

QTEST_APPLESS_MAIN(TestWordRules)
#include "tst_wordrules.moc"
