// Tests of the flash cards game's rules: Yes/No/Pass, the tenth Yes, the one card on the table and the
// browser.
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

class tst_CardsRules : public QObject {
    Q_OBJECT
private slots:
    void tenthYesWinsTenPointsOnce();
    void noEndsTheRun();
    void passFromEitherSideStartsAFreshGuess_data();
    void passFromEitherSideStartsAFreshGuess();
    void theCardOnTheTableIsTheOneSpokenAndLabelled_data();
    void theCardOnTheTableIsTheOneSpokenAndLabelled();
    void arrowsStepBothWaysOverTheLearnersCards();
    void everyCardCanComeFirst();
    void emptyFolderStaysQuiet();
};

void tst_CardsRules::tenthYesWinsTenPointsOnce() {
    // Catches: the win coming one Yes late (a full meter and nothing happening), points twice, or the
    // meter not full behind the congratulations.
    GameFixture f(plainPictures(5));
    CardsRules rules(f.env());
    rules.activate();
    answerYes(rules, 9);
    QCOMPARE(rules.display(), (RunDisplay{9, 10, 9}));
    QCOMPARE(f.host.events.filter("CORRECT").size(), 9);
    QVERIFY(f.host.dialogs.isEmpty());

    rules.showWord();
    f.host.clear();
    QStringList behind;
    f.host.duringDialog = [&](const RecordingGameHost::Dialog&) { behind << rules.display().label(); };
    rules.yes();
    QCOMPARE(f.host.events,
             (QStringList{"CONGRATS", "dialog Congratulations! You have won 10 points.", "score 10"}));
    QVERIFY(f.host.dialogs[0].picture.congratulations);
    QCOMPARE(behind, QStringList{"10/10"});
    QCOMPARE(rules.display(), (RunDisplay{0, 10, 0}));
    QVERIFY(rules.showVisible());
    QVERIFY(!rules.cardTurned());
}

void tst_CardsRules::noEndsTheRun() {
    // Catches: No keeping the run, or Yes and No answering while the word is hidden.
    GameFixture f(plainPictures(5));
    CardsRules rules(f.env());
    rules.activate();
    answerYes(rules, 9);
    rules.showWord();
    f.host.clear();
    rules.no();
    QCOMPARE(f.host.events, QStringList{"LOSE"});
    QCOMPARE(rules.display(), (RunDisplay{0, 10, 0}));
    QVERIFY(rules.showVisible());
    rules.yes();
    rules.no();
    QCOMPARE(f.host.events.size(), 1);
}

void tst_CardsRules::passFromEitherSideStartsAFreshGuess_data() {
    QTest::addColumn<bool>("wordShown");
    QTest::newRow("guessing") << false;
    QTest::newRow("word shown") << true;
}

void tst_CardsRules::passFromEitherSideStartsAFreshGuess() {
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
    QVERIFY(rules.showVisible());
    QVERIFY(!rules.cardTurned());
}

void tst_CardsRules::theCardOnTheTableIsTheOneSpokenAndLabelled_data() {
    QTest::addColumn<QString>("move");
    for (const char* move : {"drawn", "next arrow", "previous arrow", "arrow while the word shows", "Yes", "Pass"})
        QTest::newRow(move) << QString::fromLatin1(move);
}

void tst_CardsRules::theCardOnTheTableIsTheOneSpokenAndLabelled() {
    // Catches: a browsed card whose "Show the word" speaks an earlier card's word, a letter label left
    // from the card before, "Show the word" hidden after browsing, or a card of the other English.
    QFETCH(QString, move);
    GameFixture f({"bee.edi", "01 cat type_uk.edi", "color type_us.edi", "colour type_uk.edi", "dog.edi",
                   "fox.edi"});
    CardsRules rules(f.env());
    rules.activate();
    if (move == u"next arrow") rules.nextCard();
    if (move == u"previous arrow") rules.previousCard();
    if (move == u"arrow while the word shows") {
        rules.showWord();
        rules.nextCard();
    }
    if (move == u"Yes") answerYes(rules, 1);
    if (move == u"Pass") rules.pass();
    QVERIFY(rules.showVisible());
    const CardsRules::Card& card = rules.cards().at(rules.cardIndex());
    QCOMPARE(rules.mainPicture(), card.picture);
    QCOMPARE(rules.cardWord(), card.word);
    QCOMPARE(rules.letterCaption(), card.word.left(1).toUpper() + u' ' + card.word.left(1));
    f.host.clear();
    rules.showWord();
    QCOMPARE(f.host.events, QStringList{"sound " + card.word + ".eda"});
    QVERIFY(rules.cardTurned() && rules.answerVisible());

    QStringList words;
    for (const auto& c : rules.cards())
        words << c.word;
    QCOMPARE(words, (QStringList{"bee", "cat", "colour", "dog", "fox"}));
}

void tst_CardsRules::arrowsStepBothWaysOverTheLearnersCards() {
    // Catches: the back arrow going forward, a wrap past the end, or a stop on a card of the other English.
    GameFixture f({"a.edi", "b type_us.edi", "c.edi", "d.edi"});
    CardsRules rules(f.env());
    rules.activate();
    QStringList seen;
    const auto step = [&](bool forward) {
        forward ? rules.nextCard() : rules.previousCard();
        seen << rules.cardWord();
    };
    while (rules.cardWord() != u"a")
        rules.nextCard();
    for (bool forward : {true, true, true, false, false, false, false})
        step(forward);
    QCOMPARE(seen, (QStringList{"c", "d", "a", "d", "c", "a", "d"}));
}

void tst_CardsRules::everyCardCanComeFirst() {
    // Catches: the first draw of a listing made over all cards but the last.
    GameFixture f(plainPictures(3));
    CardsRules rules(f.env());
    QSet<QString> first;
    for (int i = 0; i < 60; ++i) {
        rules.loadCardsList();
        first << rules.cardWord();
    }
    QCOMPARE(first, (QSet<QString>{"w00", "w01", "w02"}));
}

void tst_CardsRules::emptyFolderStaysQuiet() {
    // Catches: a crash or a sound for a nameless word when the subject holds no pictures.
    GameFixture f;
    CardsRules rules(f.env());
    rules.activate();
    rules.showWord();
    rules.yes();
    rules.playShownWord();
    rules.loadCardsList();
    rules.nextCard();
    rules.previousCard();
    QVERIFY(rules.mainPicture().isEmpty());
    QVERIFY(rules.cardWord().isEmpty());
    QVERIFY(!rules.showVisible());
    QCOMPARE(rules.letterCaption(), QStringLiteral(" "));
    QVERIFY(f.host.events.isEmpty());
}

QTEST_GUILESS_MAIN(tst_CardsRules)
#include "tst_CardsRules.moc"
