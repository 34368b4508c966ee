// Tests of the memory game's rules: the deal, the dealing steps, pairs and mismatches, points, clicks while a
// pair is judged, Pass and the deal's limits.
#include "GameFixture.h"
#include "games/memory/MemoryRules.h"
#include "HookedGameHost.h"

#include <QElapsedTimer>
#include <QSet>
#include <QtTest>

namespace {

struct Table {
    explicit Table(QStringList files = plainPictures(9), const QString& language = QStringLiteral("BRITISH"))
        : f(std::move(files), language), spy(f.host), rules(env()) {
        rules.setSubjectTitle(QStringLiteral("Farm animals"));
        rules.restart();
    }
    GameEnv env() {
        GameEnv e = f.env();
        return GameEnv{spy, e.random, e.app, e.lister};
    }
    void dealAll() {
        while (rules.dealTick()) {
        }
    }
    // The other card with card i's word, or (other = false) the first card with another word still in play.
    int partner(int i, bool same = true) const {
        const auto& cards = rules.cards();
        for (int j = 0; j < MemoryRules::CardCount; ++j)
            if (j != i && cards[j].back != MemoryRules::Back::Red && (cards[j].word == cards[i].word) == same)
                return j;
        return -1;
    }
    int firstInPlay() const {
        for (int i = 0; i < MemoryRules::CardCount; ++i)
            if (rules.cards()[i].back == MemoryRules::Back::Blue) return i;
        return -1;
    }
    void mismatch() {
        const int a = firstInPlay();
        rules.clickCard(a);
        rules.clickCard(partner(a, false));
    }
    void match() {
        const int a = firstInPlay();
        rules.clickCard(a);
        rules.clickCard(partner(a));
    }

    GameFixture f;
    HookedGameHost spy;
    MemoryRules rules;
};

} // namespace

class tst_MemoryRules : public QObject {
    Q_OBJECT
private slots:
    void sixWordsLieOnceInEachHalf();
    void languageDecidesWhichPictureIsDealt();
    void dealingShowsOneCardAStepInIndexOrder();
    void gameWinsTwentyMinusAttempts_data();
    void gameWinsTwentyMinusAttempts();
    void mismatchNamesTheWordsInIndexOrder();
    void aTurnedCardTakesNoClick();
    void clicksWhileAPairIsJudgedAreIgnored();
    void passDuringDealingStartsAgainFromTheFirstCard();
    void tooFewWordsShowNoticeAndDealNothing_data();
    void tooFewWordsShowNoticeAndDealNothing();
};

void tst_MemoryRules::sixWordsLieOnceInEachHalf() {
    // Catches: a word dealt once or three times, a pair inside one half, a duplicate name doubling a word.
    for (int round = 0; round < 20; ++round) {
        Table t({"01 cat.edi", "cat.edi", "dog.edi", "hen.edi", "pig.edi", "cow.edi", "owl.edi", "fox.edi"});
        QSet<QString> first, second;
        for (int i = 0; i < MemoryRules::CardCount; ++i) {
            const auto& card = t.rules.cards()[i];
            QVERIFY(!card.word.isEmpty());
            QVERIFY(card.picture.endsWith(card.word + ".edi"));
            (i < MemoryRules::PairCount ? first : second).insert(card.word);
        }
        QCOMPARE(first.size(), MemoryRules::PairCount);
        QCOMPARE(second, first);
    }
}

void tst_MemoryRules::languageDecidesWhichPictureIsDealt() {
    // Catches: the other English's picture dealt, or its tag left in the word.
    for (int round = 0; round < 10; ++round) {
        Table t(
            {"cat type_uk.edi", "cat type_us.edi", "dog.edi", "hen.edi", "pig.edi", "cow.edi", "owl.edi"});
        for (const auto& card : t.rules.cards()) {
            QVERIFY(!card.picture.contains(QStringLiteral("type_us")));
            if (card.word == u"cat") QVERIFY(card.picture.endsWith(QStringLiteral("cat type_uk.edi")));
        }
    }
}

void tst_MemoryRules::dealingShowsOneCardAStepInIndexOrder() {
    // Catches: cards appearing out of order or all at once, undealt cards taking clicks.
    Table t;
    for (const auto& card : t.rules.cards()) {
        QVERIFY(!card.shown);
        QCOMPARE(card.back, MemoryRules::Back::White);
    }
    t.rules.clickCard(0);
    QVERIFY(t.f.host.events.isEmpty());
    QVERIFY(t.rules.dealTick());
    QVERIFY(!t.rules.cards()[0].shown);
    for (int i = 0; i < MemoryRules::CardCount; ++i) {
        QCOMPARE(t.rules.dealTick(), i < MemoryRules::CardCount - 1);
        for (int j = 0; j < MemoryRules::CardCount; ++j)
            QCOMPARE(t.rules.cards()[j].shown, j <= i);
        QCOMPARE(t.rules.cards()[i].back, MemoryRules::Back::Blue);
    }
    QVERIFY(!t.rules.dealing());
    QCOMPARE(MemoryRules::backColour(MemoryRules::Back::Blue), (Rgb{30, 95, 247}));
    QCOMPARE(MemoryRules::backColour(MemoryRules::Back::Red), (Rgb{227, 0, 0}));
}

void tst_MemoryRules::gameWinsTwentyMinusAttempts_data() {
    QTest::addColumn<int>("mismatches");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("message");
    QTest::newRow("perfect") << 0 << "14/20"
                             << "Congratulations! You have won 14 points.";
    QTest::newRow("19 attempts") << 13 << "1/20"
                                 << "Congratulations! You have won 1 point.";
    QTest::newRow("26 attempts still win one") << 20 << "1/20"
                                               << "Congratulations! You have won 1 point.";
}

void tst_MemoryRules::gameWinsTwentyMinusAttempts() {
    // Catches: wrong points or ending, a long game that takes points away, the next game not dealt at once.
    QFETCH(int, mismatches);
    QFETCH(QString, label);
    QFETCH(QString, message);
    Table t;
    t.dealAll();
    for (int i = 0; i < mismatches; ++i)
        t.mismatch();
    for (int i = 0; i < 5; ++i)
        t.match();
    QCOMPARE(t.rules.pairsFound(), 5);
    QStringList shown;
    t.f.host.duringDialog = [&](const RecordingGameHost::Dialog&) { shown << t.rules.pointsLabel(); };
    t.f.host.clear();
    const int a = t.firstInPlay();
    const QString word = t.rules.cards()[a].word;
    t.match();
    QCOMPARE(t.f.host.events,
             (QStringList{"CLICK", "CLICK", "CORRECT", "sound " + word + ".eda",
                          "dialog Well done! The word is " + word + ".", "CONGRATS", "dialog " + message,
                          "score " + QString::number(qMax(1, 14 - mismatches))}));
    QCOMPARE(shown, (QStringList{label, label}));
    QCOMPARE(t.f.host.dialogs[1].picture, DialogPicture::congrats());
    QCOMPARE(t.f.host.dialogs[1].folder, QStringLiteral("Farm animals"));
    QCOMPARE(t.f.host.dialogs[1].word, word);
    QCOMPARE(t.rules.pointsLabel(), QStringLiteral("20/20"));
    QCOMPARE(t.rules.pairsFound(), 0);
    QVERIFY(t.rules.dealing());
    for (const auto& card : t.rules.cards())
        QVERIFY(!card.shown && !card.faceUp && card.back == MemoryRules::Back::White);
}

void tst_MemoryRules::mismatchNamesTheWordsInIndexOrder() {
    // Catches: the words in click order, the cards left face up, a mismatch costing no attempt, or logged
    // as a missed word.
    Table t;
    t.dealAll();
    const int high = 11;
    const int low = t.partner(high, false);
    QVERIFY(low < high);
    const auto& cards = t.rules.cards();
    t.rules.clickCard(high);
    t.rules.clickCard(low);
    QCOMPARE(t.f.host.events.last(),
             "mismatch Sorry, " + cards[low].word + " and " + cards[high].word + " do not match.");
    QCOMPARE(t.spy.mismatch, (QStringList{cards[low].picture, cards[high].picture, "Farm animals",
                                          cards[low].word, cards[high].word}));
    QCOMPARE(t.f.host.events.mid(0, 3), (QStringList{"CLICK", "CLICK", "LOSE"}));
    QCOMPARE(t.rules.pointsLabel(), QStringLiteral("19/20"));
    QCOMPARE(t.rules.secondWord(), cards[high].word);
    QVERIFY2(t.f.host.answers.isEmpty(), "a memory slip is no missed word");
    for (int i : {low, high})
        QVERIFY(!cards[i].faceUp && cards[i].enabled && cards[i].back == MemoryRules::Back::Blue);
}

void tst_MemoryRules::aTurnedCardTakesNoClick() {
    // Catches: a second click on the same card judged as a pair with itself, or on a matched card.
    Table t;
    t.dealAll();
    t.rules.clickCard(3);
    t.rules.clickCard(3);
    QCOMPARE(t.rules.selectedCount(), 1);
    QCOMPARE(t.f.host.events, QStringList{"CLICK"});
    t.rules.clickCard(t.partner(3));
    QCOMPARE(t.rules.pairsFound(), 1);
    t.f.host.clear();
    t.rules.clickCard(3);
    QVERIFY(t.f.host.events.isEmpty());
    QCOMPARE(t.rules.cards()[3].back, MemoryRules::Back::Red);
}

void tst_MemoryRules::clicksWhileAPairIsJudgedAreIgnored() {
    // Catches: a fast third click turning matched cards face down and letting a pair count twice.
    Table t;
    t.dealAll();
    t.match();
    int extra = 0;
    t.spy.duringEffect = [&](GameHost::Effect) {
        if (!t.rules.judging()) return;
        for (int i = 0; i < MemoryRules::CardCount; ++i) {
            t.rules.clickCard(i);
            ++extra;
        }
    };
    t.f.host.duringDialog = [&](const RecordingGameHost::Dialog&) {
        for (int i = 0; i < MemoryRules::CardCount; ++i)
            t.rules.clickCard(i);
    };
    for (int pairs = 2; pairs <= 5; ++pairs) {
        if (pairs == 3) t.mismatch();
        t.match();
        QCOMPARE(t.rules.pairsFound(), pairs);
        QCOMPARE(t.rules.selectedCount(), 0);
        int red = 0;
        for (const auto& card : t.rules.cards()) {
            red += card.back == MemoryRules::Back::Red;
            QCOMPARE(card.faceUp, card.back == MemoryRules::Back::Red);
        }
        QCOMPARE(red, 2 * pairs);
    }
    QVERIFY(extra > 0);
    t.f.host.clear();
    t.match();
    QCOMPARE(t.f.host.events.count(QStringLiteral("CONGRATS")), 1);
    QCOMPARE(t.f.host.events.last(), QStringLiteral("score 13"));
}

void tst_MemoryRules::passDuringDealingStartsAgainFromTheFirstCard() {
    // Catches: Pass finishing the old deal, paying points or making a sound, or keeping turned cards.
    Table t;
    for (int i = 0; i < 6; ++i)
        t.rules.dealTick();
    t.rules.clickCard(2);
    t.f.host.clear();
    t.rules.pass();
    QVERIFY(t.f.host.events.isEmpty());
    QVERIFY(t.rules.dealing());
    QCOMPARE(t.rules.dealtCount(), 0);
    QCOMPARE(t.rules.selectedCount(), 0);
    for (const auto& card : t.rules.cards())
        QVERIFY(!card.shown && !card.faceUp && card.enabled);
    t.rules.dealTick();
    t.rules.dealTick();
    QVERIFY(t.rules.cards()[0].shown);
    QVERIFY(!t.rules.cards()[1].shown);
}

void tst_MemoryRules::tooFewWordsShowNoticeAndDealNothing_data() {
    QTest::addColumn<QStringList>("files");
    QTest::newRow("empty folder") << QStringList{};
    QTest::newRow("six files") << plainPictures(6);
    QTest::newRow("seven files, five words")
        << QStringList{"cat.edi", "01 cat.edi", "dog.edi", "02 dog.edi", "hen.edi", "pig.edi", "cow.edi"};
    QTest::newRow("seven files, two American") << (plainPictures(5) << "x type_us.edi"
                                                                    << "y type_us.edi");
}

void tst_MemoryRules::tooFewWordsShowNoticeAndDealNothing() {
    // Catches: the endless draw (a hang) with fewer than six usable words, and empty cards that "match".
    QFETCH(QStringList, files);
    QElapsedTimer clock;
    clock.start();
    Table t(files);
    QVERIFY(!t.rules.playing());
    QCOMPARE(t.rules.notice(), QStringLiteral("This subject needs more pictures for this game."));
    t.dealAll();
    for (int i = 0; i < MemoryRules::CardCount; ++i) {
        QVERIFY(t.rules.cards()[i].word.isEmpty());
        t.rules.clickCard(i);
    }
    QVERIFY(t.f.host.events.isEmpty());
    QCOMPARE(t.rules.pairsFound(), 0);
    t.rules.pass();
    QVERIFY(t.rules.dealing());
    QVERIFY(clock.elapsed() < 1000);
}

QTEST_GUILESS_MAIN(tst_MemoryRules)
#include "tst_MemoryRules.moc"
