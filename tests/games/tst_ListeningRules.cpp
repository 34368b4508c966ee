// Tests of the listening game's rules: the run of ten, wrong answers, Pass, browsing, the draw and its
// limits.
#include "GameFixture.h"
#include "games/listening/ListeningRules.h"

#include <QElapsedTimer>
#include <QSet>
#include <QtTest>

namespace {

int cardWith(const ListeningRules& rules, bool right) {
    for (int i = 0; i < ListeningRules::CardCount; ++i)
        if ((rules.cards()[i].word == rules.targetWord()) == right) return i;
    return -1;
}

QStringList cardPictures(const ListeningRules& rules) {
    QStringList pictures;
    for (const auto& card : rules.cards())
        pictures << card.picture;
    return pictures;
}

void answerRight(ListeningRules& rules, int times) {
    for (int i = 0; i < times; ++i)
        rules.clickCard(cardWith(rules, true));
}

} // namespace

class tst_ListeningRules : public QObject {
    Q_OBJECT
private slots:
    void tenthRightAnswerWinsTenPointsOnceAndKeepsTheCards();
    void wrongAnswerAfterNineEndsTheRunWithoutPoints();
    void passKeepsTheRunAndDealsAgain();
    void revealShowsCardsLeftToRightThenSpeaks();
    void clicksAndBrowsingBeforeTheFirstDealDoNothing();
    void arrowsStepTheHighlightAndSpeakWithoutAnswering();
    void tooFewPicturesShowsANoticeAndDealsNothing_data();
    void tooFewPicturesShowsANoticeAndDealsNothing();
    void exactlyFourPicturesDealsTheSameFourEachTurn();
    void newTurnAvoidsTheWordOnShowUnlessItIsTheOnlyWord();
    void anotherWordIsOneOnTheTable();
};

void tst_ListeningRules::tenthRightAnswerWinsTenPointsOnceAndKeepsTheCards() {
    // Catches: points awarded twice or not at all, the counter left at 10/10, a new deal after the tenth.
    GameFixture f(plainPictures(8));
    ListeningRules rules(f.env());
    rules.setSubjectTitle(QStringLiteral("Farm animals"));
    rules.activate();
    answerRight(rules, 9);
    QCOMPARE(rules.display().label(), QStringLiteral("9/10"));
    QCOMPARE(rules.display().meterTenths, 9);

    const QStringList before = cardPictures(rules);
    const int right = cardWith(rules, true);
    const QString word = rules.cards()[right].word;
    QStringList shownDuringDialogs;
    f.host.duringDialog = [&](const RecordingGameHost::Dialog&) {
        shownDuringDialogs << rules.display().label();
    };
    f.host.clear();
    rules.clickCard(right);

    QCOMPARE(f.host.events,
             (QStringList{"CORRECT", "sound " + word + ".eda", "dialog Well done! The word is " + word + ".",
                          "CONGRATS", "dialog Congratulations! You have won 10 points.", "score 10"}));
    QCOMPARE(shownDuringDialogs, (QStringList{"10/10", "0/10"}));
    QCOMPARE(f.host.dialogs[0].picture, DialogPicture::file(before[right]));
    QCOMPARE(f.host.dialogs[0].folder, QStringLiteral("Farm animals"));
    QVERIFY(f.host.dialogs[1].picture.congratulations);
    QCOMPARE(f.host.dialogs[1].folder, QString());
    QCOMPARE(rules.display(), (RunDisplay{0, 10, 0}));
    QCOMPARE(rules.correctInRow(), 0);
    QCOMPARE(cardPictures(rules), before);
    QVERIFY(f.host.soundPaths[0].endsWith(QStringLiteral("/farm animals/") + word + ".eda"));

    f.host.clear();
    rules.pass();
    QVERIFY(rules.revealing());
    QCOMPARE(f.host.pointsAwarded, 0);
}

void tst_ListeningRules::wrongAnswerAfterNineEndsTheRunWithoutPoints() {
    // Catches: a miss that keeps the run, awards points, or names the clicked word instead of the target.
    GameFixture f({"chat.edi", "hat.edi", "dog.edi", "hen.edi", "pig.edi"});
    ListeningRules rules(f.env());
    rules.activate();
    answerRight(rules, 9);
    const QString target = rules.targetWord();
    const QString targetPicture = rules.cards()[cardWith(rules, true)].picture;
    f.host.clear();
    rules.clickCard(cardWith(rules, false));

    QCOMPARE(f.host.events, (QStringList{"LOSE", "dialog Sorry, the word is " + target}));
    QCOMPARE(f.host.dialogs[0].word, target);
    // The word's own card, not the first file that holds the word ("chat" for "hat").
    QCOMPARE(f.host.dialogs[0].picture.path, targetPicture);
    QCOMPARE(rules.display(), (RunDisplay{0, 10, 0}));
    QCOMPARE(f.host.pointsAwarded, 0);
    QVERIFY(rules.revealing());
}

void tst_ListeningRules::passKeepsTheRunAndDealsAgain() {
    // Catches: Pass resetting the run (the choose game's rule) or not dealing.
    GameFixture f(plainPictures(6));
    ListeningRules rules(f.env());
    rules.activate();
    answerRight(rules, 3);
    f.host.clear();
    const int listed = f.listedFolders.size();
    rules.pass();
    QCOMPARE(rules.display().label(), QStringLiteral("3/10"));
    QCOMPARE(rules.display().meterTenths, 3);
    QCOMPARE(f.listedFolders.size(), listed + 1);
    QVERIFY(f.host.events.isEmpty());
}

void tst_ListeningRules::revealShowsCardsLeftToRightThenSpeaks() {
    // Catches: cards shown out of order, the word spoken before the fourth card, a reveal that never ends.
    GameFixture f(plainPictures(6));
    ListeningRules rules(f.env());
    rules.activate();
    for (const auto& card : rules.cards())
        QVERIFY(!card.visible);
    for (int i = 0; i < ListeningRules::CardCount; ++i) {
        QVERIFY(rules.revealTick());
        for (int j = 0; j < ListeningRules::CardCount; ++j)
            QCOMPARE(rules.cards()[j].visible, j <= i);
        QVERIFY(f.host.events.isEmpty());
    }
    QVERIFY(!rules.revealTick());
    QCOMPARE(f.host.events, QStringList{"sound " + rules.shownWord() + ".eda"});
    QVERIFY(!rules.revealing());
}

void tst_ListeningRules::clicksAndBrowsingBeforeTheFirstDealDoNothing() {
    // Catches: an answer judged against an empty target word.
    GameFixture f(plainPictures(6));
    ListeningRules rules(f.env());
    rules.clickCard(0);
    rules.browseNext();
    rules.browsePrevious();
    QVERIFY(f.host.events.isEmpty());
    rules.answerHighlighted();
    QCOMPARE(rules.highlighted(), -1);
    QVERIFY(!rules.selectVisible());
}

void tst_ListeningRules::arrowsStepTheHighlightAndSpeakWithoutAnswering() {
    // Catches: an arrow judged as an answer ("Sorry" for a card never clicked), a step past the four
    // cards, or a word spoken other than the highlighted card's; and Enter not answering with it.
    GameFixture f(plainPictures(12));
    ListeningRules rules(f.env());
    rules.activate();
    while (rules.revealTick()) {}
    f.host.clear();
    QList<int> steps;
    QStringList expected;
    for (int i = 0; i < 5; ++i) {
        rules.browseNext();
        steps << rules.highlighted();
        expected << "sound " + rules.cards()[rules.highlighted()].word + ".eda";
    }
    for (int i = 0; i < 3; ++i) {
        rules.browsePrevious();
        steps << rules.highlighted();
        expected << "sound " + rules.cards()[rules.highlighted()].word + ".eda";
    }
    QCOMPARE(steps, (QList<int>{0, 1, 2, 3, 0, 3, 2, 1}));
    QCOMPARE(f.host.events, expected);
    QVERIFY(f.host.dialogs.isEmpty());

    const bool right = rules.cards()[1].word == rules.targetWord();
    rules.answerHighlighted();
    QCOMPARE(f.host.dialogs.size(), 1);
    QCOMPARE(f.host.dialogs[0].message.startsWith(u"Well done"), right);
    QCOMPARE(rules.highlighted(), -1);
}

void tst_ListeningRules::tooFewPicturesShowsANoticeAndDealsNothing_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("language");
    QTest::newRow("empty folder") << QStringList{} << "BRITISH";
    QTest::newRow("three pictures") << plainPictures(3) << "BRITISH";
    QTest::newRow("four, one American")
        << QStringList{"a.edi", "b.edi", "c.edi", "d type_us.edi"} << "BRITISH";
    QTest::newRow("five, two British")
        << QStringList{"a.edi", "b.edi", "c type_uk.edi", "d type_uk.edi", "e.edi"} << "AMERICAN";
}

void tst_ListeningRules::tooFewPicturesShowsANoticeAndDealsNothing() {
    // Catches: the endless draw (a hang) when a turn cannot hold four different usable pictures.
    QFETCH(QStringList, files);
    QFETCH(QString, language);
    QElapsedTimer clock;
    clock.start();
    GameFixture f(files, language);
    ListeningRules rules(f.env());
    rules.activate();
    QCOMPARE(rules.notice(), QStringLiteral("This subject needs at least 4 pictures for this game."));
    QVERIFY(rules.targetWord().isEmpty());
    QVERIFY(!rules.revealing());
    for (const auto& card : rules.cards())
        QVERIFY(card.picture.isEmpty());
    rules.clickCard(0);
    rules.browseNext();
    rules.pass();
    rules.playWord();
    QVERIFY(f.host.events.isEmpty());
    QVERIFY(clock.elapsed() < 1000);

    // Pictures added to the folder are dealt at the next Pass, and the notice goes.
    f.names = plainPictures(4);
    rules.pass();
    QVERIFY(rules.notice().isEmpty());
    QVERIFY(rules.revealing());
}

void tst_ListeningRules::exactlyFourPicturesDealsTheSameFourEachTurn() {
    // Catches: a deal that repeats a file on two cards or leaves one out.
    GameFixture f({"a.edi", "b.edi", "x type_us.edi", "c.edi", "d type_uk.edi"});
    ListeningRules rules(f.env());
    const QSet<QString> expected{"a", "b", "c", "d"};
    for (int turn = 0; turn < 20; ++turn) {
        rules.pass();
        QSet<QString> words;
        for (const auto& card : rules.cards())
            words.insert(card.word);
        QCOMPARE(words, expected);
    }
}

void tst_ListeningRules::newTurnAvoidsTheWordOnShowUnlessItIsTheOnlyWord() {
    // Catches: the same word twice in a row, and the hang when every usable file carries the same word.
    GameFixture f(plainPictures(5));
    ListeningRules rules(f.env());
    rules.activate();
    for (int turn = 0; turn < 40; ++turn) {
        const QString before = rules.shownWord();
        rules.pass();
        QVERIFY(rules.shownWord() != before);
    }

    GameFixture same({"01 cat.edi", "02 cat.edi", "cat type_uk.edi", "03 cat type_uk.edi"});
    ListeningRules one(same.env());
    one.activate();
    one.pass();
    QCOMPARE(one.targetWord(), QStringLiteral("cat"));
    QVERIFY(one.revealing());
}

void tst_ListeningRules::anotherWordIsOneOnTheTable() {
    // Catches: "Another word" asking for a word no card shows (every answer then wrong), the same word
    // asked again, or a word spoken other than the one judged.
    GameFixture f(plainPictures(20));
    ListeningRules rules(f.env());
    rules.activate();
    while (rules.revealTick()) {}
    rules.clickCard(cardWith(rules, false));
    while (rules.revealTick()) {}
    QVERIFY(rules.selectVisible());
    QStringList onTable;
    for (const auto& card : rules.cards())
        onTable << card.word;
    for (int i = 0; i < 12; ++i) {
        const QString before = rules.targetWord();
        f.host.clear();
        rules.sayAnotherWord();
        QVERIFY2(onTable.contains(rules.targetWord()), qPrintable(rules.targetWord()));
        QVERIFY(rules.targetWord() != before);
        QCOMPARE(f.host.events, QStringList{"sound " + rules.targetWord() + ".eda"});
    }
    QVERIFY(rules.shownWord().isEmpty());
    QCOMPARE(rules.prompt(), QStringLiteral("Which picture did you hear?"));
}

QTEST_GUILESS_MAIN(tst_ListeningRules)
#include "tst_ListeningRules.moc"
