// Tests of the mixed letters game's rules: the shuffle, the tiles, both answer paths, losing, Pass, the text
// box and the draw's limits.
#include "GameFixture.h"
#include "games/mixed/MixedRules.h"
#include "HookedGameHost.h"

#include <algorithm>
#include <QElapsedTimer>
#include <QSet>
#include <QtTest>

namespace {

QString sorted(QString text) {
    std::sort(text.begin(), text.end());
    return text;
}

// The game on one chosen word; the other words are there so that the next word can be dealt.
struct Game {
    explicit Game(const QString& word)
        : f({"0 first.edi", word + ".edi", "zebra.edi", "goat.edi"}), rules(f.env()) {
        rules.setSubjectTitle(QStringLiteral("Farm animals"));
        rules.loadPictureList();
        for (int i = 0; i < 50 && rules.word() != word; ++i)
            rules.startNewGame();
    }
    GameFixture f;
    MixedRules rules;
};

// A shown tile whose character is (right) or is not (wrong) the one due next.
int tileFor(const MixedRules& rules, bool right, int skip = -1) {
    const qsizetype k = rules.rebuilt().size();
    if (k >= rules.word().size()) return -1;
    for (int i = 0; i < MixedRules::TileCount; ++i) {
        const auto& tile = rules.tiles()[i];
        if (i != skip && tile.visible && (tile.character == rules.word().at(k)) == right) return i;
    }
    return -1;
}

void rebuild(MixedRules& rules) {
    const QString word = rules.word();
    while (rules.word() == word && rules.rebuilt().size() < word.size())
        rules.clickTile(tileFor(rules, true));
}

} // namespace

class tst_MixedRules : public QObject {
    Q_OBJECT
private slots:
    void shuffleIsNeverTheWordAndKeepsItsLetters_data();
    void shuffleIsNeverTheWordAndKeepsItsLetters();
    void tilesCarryTheShuffledCharacters_data();
    void tilesCarryTheShuffledCharacters();
    void eitherOfTwoEqualTilesIsAccepted();
    void threeWrongTilesLeaveSevenPoints();
    void tenWrongTilesLoseTheWord();
    void typedAnswerAfterWrongTiles_data();
    void typedAnswerAfterWrongTiles();
    void typedWordIsJudgedWithoutCaseOrBlanks_data();
    void typedWordIsJudgedWithoutCaseOrBlanks();
    void rightTileGoesWhereTheCaretIs();
    void passClearsTheTextAndAwardsNothing();
    void clicksLetInWhileASoundStartsAreIgnored();
    void drawUsesEveryEntryButTheFirst();
    void noWordLeftShowsANoticeAndDealsNothing_data();
    void noWordLeftShowsANoticeAndDealsNothing();
};

void tst_MixedRules::shuffleIsNeverTheWordAndKeepsItsLetters_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("arrangements"); // different from the word
    QTest::newRow("moon") << "moon" << 11;
    QTest::newRow("cat") << "cat" << 5;
    QTest::newRow("two letters") << "ab" << 1;
    QTest::newRow("one odd letter") << "aaaaaaab" << 7;
    QTest::newRow("two words: the blank stays") << "ab c" << 5;
}

void tst_MixedRules::shuffleIsNeverTheWordAndKeepsItsLetters() {
    // Catches: the word dealt unshuffled, a lost or doubled letter, or a shuffle that favours few orders.
    QFETCH(QString, word);
    QFETCH(int, arrangements);
    QSet<QString> seen;
    for (quint64 seed = 1; seed <= 600; ++seed) {
        SeededRandom random(seed);
        const QString shuffled = MixedRules::scrambleWord(random, word);
        QVERIFY2(shuffled != word, qPrintable(QStringLiteral("seed %1").arg(seed)));
        QCOMPARE(sorted(shuffled), sorted(word));
        seen.insert(shuffled);
    }
    QCOMPARE(seen.size(), arrangements);
}

void tst_MixedRules::tilesCarryTheShuffledCharacters_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("caption");
    QTest::newRow("capital") << "Monday"
                             << "MM";
    QTest::newRow("small") << "Monday"
                           << "Dd";
    QTest::newRow("two words") << "light blue"
                               << "Bb";
}

void tst_MixedRules::tilesCarryTheShuffledCharacters() {
    // Catches: a capital tile reading "Mm" (a wrong hint), a blank dealt as a silent tile or moved by the
    // shuffle, tiles out of step with the shuffled line.
    QFETCH(QString, word);
    QFETCH(QString, caption);
    Game g(word);
    QCOMPARE(g.rules.word(), word);
    QVERIFY(g.rules.scrambled() != word);
    for (qsizetype i = 0; i < word.size(); ++i)
        QCOMPARE(g.rules.scrambled().at(i) == u' ', word.at(i) == u' ');
    const QString letters = QString(g.rules.scrambled()).remove(u' ');
    bool found = false;
    for (int i = 0; i < MixedRules::TileCount; ++i) {
        const auto& tile = g.rules.tiles()[i];
        QCOMPARE(tile.visible, i < letters.size());
        if (!tile.visible) continue;
        QCOMPARE(tile.character, letters.at(i));
        found = found || tile.caption == caption;
    }
    QVERIFY(found);
    rebuild(g.rules);
    QCOMPARE(g.f.host.events.last(), QStringLiteral("score 10"));
}

void tst_MixedRules::eitherOfTwoEqualTilesIsAccepted() {
    // Catches: only the first "Pp" tile being taken as the p that is due.
    for (int which = 0; which < 2; ++which) {
        Game g(QStringLiteral("apple"));
        g.rules.clickTile(tileFor(g.rules, true));
        const int first = tileFor(g.rules, true);
        const int second = tileFor(g.rules, true, first);
        QVERIFY(first >= 0 && second >= 0);
        g.f.host.clear();
        g.rules.clickTile(which ? second : first);
        QCOMPARE(g.rules.rebuilt(), QStringLiteral("ap"));
        QCOMPARE(g.f.host.events, QStringList{"sound p.eda"});
    }
}

void tst_MixedRules::threeWrongTilesLeaveSevenPoints() {
    // Catches: wrong tiles not costing a try, the tile of a wrong click vanishing, or the win paying 10.
    Game g(QStringLiteral("cat"));
    const QString picture = g.rules.picture();
    for (int i = 0; i < 3; ++i)
        g.rules.clickTile(tileFor(g.rules, false));
    QCOMPARE(g.rules.display(), (RunDisplay{7, 10, 0}));
    QCOMPARE(g.f.host.events, QStringList(3, QStringLiteral("INCORRECT")));
    QCOMPARE(g.rules.rebuilt(), QString());
    g.f.host.clear();
    rebuild(g.rules);
    QCOMPARE(g.f.host.events, (QStringList{"sound c.eda", "sound a.eda", "sound t.eda", "CORRECT",
                                           "sound cat.eda", "dialog Well done! The word is cat.", "CONGRATS",
                                           "dialog Congratulations! You have won 7 points.", "score 7"}));
    QCOMPARE(g.f.host.dialogs[0].picture, DialogPicture::file(picture));
    QCOMPARE(g.f.host.dialogs[0].folder, QStringLiteral("Farm animals"));
    QVERIFY(g.rules.word() != u"cat");
    QCOMPARE(g.rules.display().label(), QStringLiteral("10/10"));
    QCOMPARE(g.rules.typedText(), QString());
}

void tst_MixedRules::tenWrongTilesLoseTheWord() {
    // Catches: the loss message with a full stop, tries going below nought, or no new word afterwards.
    Game g(QStringLiteral("cat"));
    QStringList shown;
    g.f.host.duringDialog = [&](const RecordingGameHost::Dialog&) { shown << g.rules.display().label(); };
    for (int i = 0; i < 10; ++i)
        g.rules.clickTile(tileFor(g.rules, false));
    QCOMPARE(g.f.host.events.size(), 11);
    QCOMPARE(g.f.host.events.count(QStringLiteral("INCORRECT")), 10);
    QCOMPARE(g.f.host.events.last(), QStringLiteral("dialog Sorry, the word is cat"));
    QCOMPARE(shown, QStringList{"0/10"});
    QVERIFY(g.rules.word() != u"cat");
    QCOMPARE(g.rules.display(), (RunDisplay{10, 10, 0}));
}

void tst_MixedRules::typedAnswerAfterWrongTiles_data() {
    QTest::addColumn<int>("wrongTiles");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("labels"); // counter and meter while each dialog is open
    const QStringList won{"CORRECT", "spell cat then cat.eda", "dialog Well done! The word is cat.",
                          "CONGRATS", "dialog Congratulations! You have won 10 points.", "score 10"};
    QTest::newRow("at once") << 0 << won << QStringList{"10/10 10", "10/10 10"};
    QTest::newRow("one wrong tile") << 1 << won << QStringList{"10/10 10", "10/10 10"};
    QTest::newRow("two wrong tiles, no points")
        << 2 << QStringList{"CORRECT", "spell cat then cat.eda", "dialog Well done! The word is cat."}
        << QStringList{"9/10 10"};
}

void tst_MixedRules::typedAnswerAfterWrongTiles() {
    // Catches: the typed word paying other than 10 (or paying after two wrong tiles), the spelling left
    // out, the counter passing its goal ("11/10"), the meter not full behind the dialogs, or the text box
    // left full.
    QFETCH(int, wrongTiles);
    QFETCH(QStringList, events);
    QFETCH(QStringList, labels);
    Game g(QStringLiteral("cat"));
    for (int i = 0; i < wrongTiles; ++i)
        g.rules.clickTile(tileFor(g.rules, false));
    QStringList shown;
    g.f.host.duringDialog = [&](const RecordingGameHost::Dialog&) {
        shown << g.rules.display().label() + u' ' + QString::number(g.rules.display().meterTenths);
    };
    g.f.host.clear();
    g.rules.setTypedText(QStringLiteral("cat"), 3, 3);
    g.rules.check();
    QCOMPARE(g.f.host.events, events);
    QCOMPARE(shown, labels);
    QCOMPARE(g.rules.typedText(), QString());
    QVERIFY(g.rules.word() != u"cat");
    QCOMPARE(g.rules.display().label(), QStringLiteral("10/10"));
}

void tst_MixedRules::typedWordIsJudgedWithoutCaseOrBlanks_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("outcome"); // right, wrong, or none (no answer at all)
    QTest::newRow("lower case") << "Monday" << "monday" << "right";
    QTest::newRow("capital") << "egg" << "Egg" << "right";
    QTest::newRow("blanks around") << "Monday" << " Monday  " << "right";
    QTest::newRow("doubled blank") << "ice cream" << "Ice  Cream" << "right";
    QTest::newRow("letters swapped") << "Monday" << "Mondya" << "wrong";
    QTest::newRow("blank inside the word") << "egg" << "eg g" << "wrong";
    QTest::newRow("empty box") << "egg" << "" << "none";
    QTest::newRow("only blanks") << "egg" << "   " << "none";
}

void tst_MixedRules::typedWordIsJudgedWithoutCaseOrBlanks() {
    // Catches: "Egg" for the tiles "Ee Gg" marked wrong, Check on an empty box losing the word, or text
    // left in the box to be judged against the next word.
    QFETCH(QString, word);
    QFETCH(QString, typed);
    QFETCH(QString, outcome);
    Game g(word);
    QCOMPARE(g.rules.word(), word);
    g.rules.setTypedText(typed, 0, 0);
    g.f.host.clear();
    g.rules.check();
    if (outcome == u"none") {
        QVERIFY(g.f.host.events.isEmpty());
        QCOMPARE(g.rules.word(), word);
        return;
    }
    QCOMPARE(g.f.host.events.value(0), QString(outcome == u"right" ? "CORRECT" : "INCORRECT"));
    QCOMPARE(g.f.host.events.contains(QStringLiteral("score 10")), outcome == u"right");
    QVERIFY(g.rules.word() != word);
    QCOMPARE(g.rules.typedText(), QString());
}

void tst_MixedRules::rightTileGoesWhereTheCaretIs() {
    // Catches: a tile's letter appended at the end, or a selection left in place instead of replaced.
    Game g(QStringLiteral("cat"));
    g.rules.setTypedText(QStringLiteral("xyz"), 2, 1);
    g.rules.clickTile(tileFor(g.rules, true));
    QCOMPARE(g.rules.typedText(), QStringLiteral("xcz"));
    QCOMPARE(g.rules.caret(), 2);
    g.rules.clickTile(tileFor(g.rules, false));
    QCOMPARE(g.rules.typedText(), QStringLiteral("xcz"));
    g.rules.clickTile(tileFor(g.rules, true));
    QCOMPARE(g.rules.typedText(), QStringLiteral("xcaz"));
}

void tst_MixedRules::passClearsTheTextAndAwardsNothing() {
    // Catches: Pass paying points, keeping the tries of the last word, or leaving its text in the box.
    Game g(QStringLiteral("cat"));
    g.rules.clickTile(tileFor(g.rules, false));
    g.rules.setTypedText(QStringLiteral("ca"), 2, 2);
    g.f.host.clear();
    g.rules.pass();
    QCOMPARE(g.f.host.events, QStringList{"CLICK"});
    QCOMPARE(g.rules.display(), (RunDisplay{10, 10, 0}));
    QCOMPARE(g.rules.typedText(), QString());
    QVERIFY(g.rules.word() != u"cat");
}

void tst_MixedRules::clicksLetInWhileASoundStartsAreIgnored() {
    // Catches: a double click on a right tile counting its letter twice, and Check winning the word again
    // from the text box the tiles filled while the won word is spoken.
    GameFixture f({"0 first.edi", "cat.edi", "zebra.edi", "goat.edi"});
    HookedGameHost hooked(f.host);
    GameEnv env = f.env();
    MixedRules rules(GameEnv{hooked, env.random, env.app, env.lister});
    rules.loadPictureList();
    for (int i = 0; i < 50 && rules.word() != u"cat"; ++i)
        rules.startNewGame();
    int tile = -1;
    hooked.duringSound = [&](const QString&) {
        rules.clickTile(tile);
        rules.clickTile(tileFor(rules, true));
        rules.check();
        rules.pass();
    };
    for (int i = 0; i < 3; ++i) {
        tile = tileFor(rules, true);
        rules.clickTile(tile);
    }
    QCOMPARE(f.host.events.filter(QStringLiteral("score")), QStringList{"score 10"});
    QCOMPARE(f.host.events.count(QStringLiteral("CLICK")), 0);
    QVERIFY(rules.word() != u"cat");
}

void tst_MixedRules::drawUsesEveryEntryButTheFirst() {
    // Catches: entry 0 drawn, a subject cut to its first few words, or the same word twice in a row.
    GameFixture f(plainPictures(28));
    MixedRules rules(f.env());
    rules.loadPictureList();
    QSet<int> drawn;
    QString last;
    for (int i = 0; i < 600; ++i) {
        rules.startNewGame();
        QVERIFY(rules.wordIndex() >= 1);
        QVERIFY(rules.word() != last);
        last = rules.word();
        drawn.insert(rules.wordIndex());
    }
    QCOMPARE(drawn.size(), 27);
}

void tst_MixedRules::noWordLeftShowsANoticeAndDealsNothing_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("playable");
    QTest::newRow("empty folder") << QStringList{} << 0;
    QTest::newRow("only the first entry") << QStringList{"cat.edi"} << 0;
    QTest::newRow("all one letter") << QStringList{"cat.edi", "a.edi", "zz.edi", "01 oo.edi"} << 0;
    QTest::newRow("a tag only") << QStringList{"cat.edi", " type_uk.edi"} << 0;
    QTest::newRow("one word past the tenth, played once") << (QStringList(10, "x type_us.edi") << "late.edi") << 1;
    QTest::newRow("one word, played once") << QStringList{"cat.edi", "dog.edi"} << 1;
}

void tst_MixedRules::noWordLeftShowsANoticeAndDealsNothing() {
    // Catches: the endless draw (a hang) with no usable word in the subject, or with a word no shuffle
    // can change.
    QFETCH(QStringList, files);
    QFETCH(int, playable);
    QElapsedTimer clock;
    clock.start();
    GameFixture f(files);
    MixedRules rules(f.env());
    rules.loadPictureList();
    rules.startNewGame();
    QCOMPARE(rules.playing(), playable > 0);
    if (playable) rules.pass();
    QVERIFY(!rules.playing());
    QCOMPARE(rules.notice(), QStringLiteral("This subject needs more pictures for this game."));
    QVERIFY(rules.scrambled().isEmpty());
    for (const auto& tile : rules.tiles())
        QVERIFY(!tile.visible);
    f.host.clear();
    rules.setTypedText(QStringLiteral(" "), 1, 1);
    rules.check();
    rules.clickTile(0);
    rules.playWord();
    QVERIFY(f.host.events.isEmpty());
    rules.pass();
    QCOMPARE(f.host.events, QStringList{"CLICK"});
    QVERIFY(clock.elapsed() < 1000);
}

QTEST_GUILESS_MAIN(tst_MixedRules)
#include "tst_MixedRules.moc"
