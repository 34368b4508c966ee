// Tests of the flash cards game's rules: Yes/No/Pass, the eleventh Yes, the word rules and the browser's
// cache.
#include "GameFixture.h"
#include "games/cards/CardsRules.h"

#include <QtTest>

namespace {

void answerYes(CardsRules& rules, int times) {
    for (int i = 0; i < times; ++i) {
        rules.showWord();
        rules.yes();
    }
}

} // namespace

class CardsRulesTest : public QObject {
    Q_OBJECT
private slots:
    void eleventhYesWinsTenPointsAndStartsTheNextRun();
    void noEndsTheRunAfterTheNextCard();
    void passFromEitherSideStartsAFreshGuess_data();
    void passFromEitherSideStartsAFreshGuess();
    void activationDrawsFromTheSubjectAndKeepsTheDisplay();
    void drawAndCacheRulesGiveTheirOwnWords_data();
    void drawAndCacheRulesGiveTheirOwnWords();
    void cacheHoldsTwentySixMatchingCardsWhileBrowsingCountsFiles();
    void emptyFolderStaysQuiet();
};

void CardsRulesTest::eleventhYesWinsTenPointsAndStartsTheNextRun() {
    // Catches: winning on the tenth Yes, points twice, or the winning Yes not counting for the next run.
    GameFixture f(plainPictures(5));
    CardsRules rules(f.env());
    rules.activate();
    answerYes(rules, 10);
    QCOMPARE(rules.display(), (RunDisplay{10, 10, 10}));
    QCOMPARE(f.host.events.filter("CORRECT").size(), 10);
    QVERIFY(f.host.dialogs.isEmpty());

    f.host.clear();
    rules.showWord();
    f.host.events.clear();
    rules.yes();
    QCOMPARE(f.host.events,
             (QStringList{"CONGRATS", "dialog Congratulations! You have won 10 points.", "score 10"}));
    QVERIFY(f.host.dialogs[0].picture.congratulations);
    QCOMPARE(rules.display(), (RunDisplay{1, 10, 1}));
    QCOMPARE(rules.cardState(), QStringLiteral("1"));
    QVERIFY(rules.showVisible());
    QVERIFY(!rules.cardTurned());
}

void CardsRulesTest::noEndsTheRunAfterTheNextCard() {
    // Catches: No keeping the run, or LOSE played before the next card is drawn.
    GameFixture f(plainPictures(5));
    CardsRules rules(f.env());
    rules.activate();
    answerYes(rules, 9);
    rules.showWord();
    f.host.clear();
    rules.no();
    QCOMPARE(f.host.events, QStringList{"LOSE"});
    QCOMPARE(rules.display(), (RunDisplay{0, 10, 0}));
    QCOMPARE(rules.cardState(), QStringLiteral("1"));
    QVERIFY(rules.showVisible());
    // Yes and No only answer while the word is shown.
    rules.yes();
    rules.no();
    QCOMPARE(f.host.events.size(), 1);
}

void CardsRulesTest::passFromEitherSideStartsAFreshGuess_data() {
    QTest::addColumn<bool>("wordShown");
    QTest::newRow("guessing") << false;
    QTest::newRow("word shown") << true;
}

void CardsRulesTest::passFromEitherSideStartsAFreshGuess() {
    // Catches: Pass keeping the run, or leaving "Show the word" hidden after the word was shown.
    QFETCH(bool, wordShown);
    GameFixture f(plainPictures(5));
    CardsRules rules(f.env());
    rules.activate();
    answerYes(rules, 4);
    if (wordShown) rules.showWord();
    f.host.clear();
    rules.pass();
    QCOMPARE(f.host.events, QStringList{"CLICK"});
    QCOMPARE(rules.display(), (RunDisplay{0, 10, 0}));
    QCOMPARE(rules.cardState(), QStringLiteral("1"));
    QVERIFY(rules.showVisible());
    QVERIFY(!rules.cardTurned());
}

void CardsRulesTest::activationDrawsFromTheSubjectAndKeepsTheDisplay() {
    // Catches: the first card drawn from an unset list (no picture) when the opener lists later or never.
    GameFixture f({"cow type_us.edi"});
    CardsRules rules(f.env());
    rules.activate();
    QVERIFY(!f.listedFolders.isEmpty());
    QVERIFY(f.listedFolders.first().endsWith(QStringLiteral("farm animals")));
    // Any language is drawn.
    QCOMPARE(rules.cardWord(), QStringLiteral("cow"));
    QVERIFY(rules.mainPicture().endsWith(QStringLiteral("/cow type_us.edi")));

    answerYes(rules, 3);
    rules.activate();
    QCOMPARE(rules.correctCount(), 0);
    QCOMPARE(rules.display(), (RunDisplay{3, 10, 3}));
}

void CardsRulesTest::drawAndCacheRulesGiveTheirOwnWords_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("drawWord");
    QTest::addColumn<QString>("sound");
    QTest::addColumn<QString>("cacheWord");
    QTest::newRow("prefix and tag") << "01 apple type_uk.edi"
                                    << "apple"
                                    << "apple.eda"
                                    << "apple";
    QTest::newRow("two letters and tag") << "ab type_uk.edi"
                                         << "type_uk"
                                         << "type_uk.eda"
                                         << "ab";
    QTest::newRow("variant only") << "apple type_uk.edi"
                                  << "apple"
                                  << "apple.eda"
                                  << "apple";
    QTest::newRow("two prefixes") << "01 02 pear.edi"
                                  << "02 pear"
                                  << "pear.eda"
                                  << "02 pear";
}

void CardsRulesTest::drawAndCacheRulesGiveTheirOwnWords() {
    // Catches: one word rule used for both, or the variant tag left in the sound file's name.
    QFETCH(QString, file);
    QFETCH(QString, drawWord);
    QFETCH(QString, sound);
    QFETCH(QString, cacheWord);
    GameFixture f({file});
    CardsRules rules(f.env());
    rules.activate();
    QCOMPARE(rules.shownWord(), drawWord);
    rules.showWord();
    QCOMPARE(f.host.events, QStringList{"sound " + sound});
    QVERIFY(rules.cardTurned() && rules.answerVisible());

    rules.loadCardsList();
    QCOMPARE(rules.cache()[0].word, cacheWord);
    QVERIFY(rules.cache()[0].visible);
    rules.nextCard();
    QCOMPARE(rules.shownWord(), cacheWord);
    QCOMPARE(rules.letterCaption(), cacheWord.left(1).toUpper() + u' ' + cacheWord.left(1).toLower());
}

void CardsRulesTest::cacheHoldsTwentySixMatchingCardsWhileBrowsingCountsFiles() {
    // Catches: writing past the cache's 26 places, counting skipped files, or wrapping at the cache size.
    QStringList files = plainPictures(30);
    files.insert(1, QStringLiteral("w00b type_us.edi"));
    GameFixture f(files);
    CardsRules rules(f.env());
    rules.activate();
    rules.loadCardsList();
    for (int i = 0; i < CardsRules::CacheSize; ++i) {
        QCOMPARE(rules.cache()[i].word, QStringLiteral("w%1").arg(i, 2, 10, QLatin1Char('0')));
        QVERIFY(rules.cache()[i].visible);
    }

    // The first arrow shows the second cached card.
    rules.nextCard();
    QCOMPARE(rules.cardIndex(), 1);
    QCOMPARE(rules.shownWord(), QStringLiteral("w01"));
    QCOMPARE(rules.letterTag(), QStringLiteral("w"));
    for (int i = 2; i < CardsRules::CacheSize; ++i)
        rules.nextCard();
    QCOMPARE(rules.shownWord(), QStringLiteral("w25"));
    // Past the cache the word and picture stay; the index runs on to the file count.
    const QString picture = rules.mainPicture();
    for (int i = CardsRules::CacheSize; i < int(files.size()); ++i)
        rules.nextCard();
    QCOMPARE(rules.cardIndex(), int(files.size()) - 1);
    QCOMPARE(rules.shownWord(), QStringLiteral("w25"));
    QCOMPARE(rules.mainPicture(), picture);
    rules.nextCard();
    QCOMPARE(rules.cardIndex(), 0);
    QCOMPARE(rules.shownWord(), QStringLiteral("w00"));
}

void CardsRulesTest::emptyFolderStaysQuiet() {
    // Catches: a crash or a sound for a nameless word when the subject holds no pictures.
    GameFixture f;
    CardsRules rules(f.env());
    rules.activate();
    rules.showWord();
    rules.playShownWord();
    rules.loadCardsList();
    rules.nextCard();
    QVERIFY(rules.mainPicture().isEmpty());
    QVERIFY(rules.shownWord().isEmpty());
    QCOMPARE(rules.letterCaption(), QStringLiteral(" "));
    QVERIFY(f.host.events.isEmpty());
}

QTEST_GUILESS_MAIN(CardsRulesTest)
#include "tst_CardsRules.moc"
