// Tests of the hidden letters game's rules: revealing, shown characters, misses and their meter, points,
// the keyboard, the next word and the draw's limits.
#include "GameFixture.h"
#include "games/hidden/HiddenRules.h"
#include "HookedGameHost.h"

#include <QElapsedTimer>
#include <QtTest>


namespace {

// The game with exactly one word to play: entry 0 is never drawn.
struct OneWord {
    explicit OneWord(const QString& word) : f({"0 first.edi", word + ".edi"}), rules(f.env()) {
        rules.setSubjectTitle(QStringLiteral("Farm animals"));
        rules.loadPictureList();
        rules.startNewGame();
    }
    GameFixture f;
    HiddenRules rules;
};

int buttonOf(QChar letter) {
    return letter.toLower().unicode() - u'a';
}

// Chooses letters that are not in the word until `count` misses are made (or the word is lost).
void miss(HiddenRules& rules, int count) {
    const QString word = rules.hiddenWord();
    for (int i = 0; i < HiddenRules::LetterCount && rules.misses() < count && rules.hiddenWord() == word; ++i)
        if (!rules.hiddenWord().contains(QChar(u'a' + i), Qt::CaseInsensitive)) rules.chooseLetter(i);
}

} // namespace

class tst_HiddenRules : public QObject {
    Q_OBJECT
private slots:
    void letterRevealsEveryPlaceInTheWordsOwnCase_data();
    void letterRevealsEveryPlaceInTheWordsOwnCase();
    void wordIsWonWhenItsLettersAreFound_data();
    void wordIsWonWhenItsLettersAreFound();
    void winAwardsTenMinusMisses_data();
    void winAwardsTenMinusMisses();
    void tenMissesLoseTheWordAndFoundLettersFillTheMeter();
    void aLetterIsChosenOncePerWordByButtonOrKey();
    void nextWordIsNeitherTheLastNorTheFirstEntry();
    void lettersLetInWhileASoundStartsWaitTheirTurn();
    void noWordLeftShowsANoticeAndDealsNothing_data();
    void noWordLeftShowsANoticeAndDealsNothing();
};

void tst_HiddenRules::letterRevealsEveryPlaceInTheWordsOwnCase_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("masked");
    QTest::addColumn<QChar>("letter");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QStringList>("events");
    QTest::newRow("repeated p") << "apple"
                                << "*****" << QChar(u'p') << "*pp**" << QStringList{"sound p.eda"};
    QTest::newRow("capital M") << "Monday"
                               << "******" << QChar(u'm') << "M*****" << QStringList{"sound m.eda"};
    QTest::newRow("space shown") << "ice cream"
                                 << "*** *****" << QChar(u'e') << "**e **e**" << QStringList{"sound e.eda"};
    QTest::newRow("hyphen shown") << "t-shirt"
                                  << "*-*****" << QChar(u't') << "t-****t" << QStringList{"sound t.eda"};
    QTest::newRow("apostrophe, digit")
        << "o'clock 2"
        << "*'***** 2" << QChar(u'z') << "*'***** 2" << QStringList{"INCORRECT"};
}

void tst_HiddenRules::letterRevealsEveryPlaceInTheWordsOwnCase() {
    // Catches: one place revealed of two, the letter shown in the button's case, a hit counted as a miss,
    // and characters without a button hidden (such a word could never be won).
    QFETCH(QString, word);
    QFETCH(QString, masked);
    QFETCH(QChar, letter);
    QFETCH(QString, after);
    QFETCH(QStringList, events);
    OneWord g(word);
    QCOMPARE(g.rules.hiddenWord(), word);
    QCOMPARE(g.rules.maskedWord(), masked);
    g.rules.chooseLetter(buttonOf(letter));
    QCOMPARE(g.rules.maskedWord(), after);
    QCOMPARE(g.f.host.events, events);
    QCOMPARE(g.rules.misses(), events == QStringList{"INCORRECT"} ? 1 : 0);
    QCOMPARE(g.rules.lettersChosen(), QString(u' ') + letter);
}

void tst_HiddenRules::wordIsWonWhenItsLettersAreFound_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("letters");
    QTest::newRow("two parts") << "ice cream"
                               << "icerma";
    QTest::newRow("hyphen") << "t-shirt"
                            << "shirt";
    QTest::newRow("capitalised") << "Monday"
                                 << "ydnoma";
}

void tst_HiddenRules::wordIsWonWhenItsLettersAreFound() {
    // Catches: a word whose spaces or punctuation keep it from ever being complete.
    QFETCH(QString, word);
    QFETCH(QString, letters);
    OneWord g(word);
    for (QChar c : letters)
        g.rules.typeKey(c);
    QVERIFY(g.f.host.events.contains("dialog Well done! The word is " + word + "."));
    QCOMPARE(g.f.host.events.last(), QStringLiteral("score 10"));
}

void tst_HiddenRules::winAwardsTenMinusMisses_data() {
    QTest::addColumn<int>("misses");
    QTest::addColumn<QString>("message");
    QTest::newRow("none") << 0 << "Congratulations! You have won 10 points.";
    QTest::newRow("three") << 3 << "Congratulations! You have won 7 points.";
    QTest::newRow("nine, singular") << 9 << "Congratulations! You have won 1 point.";
}

void tst_HiddenRules::winAwardsTenMinusMisses() {
    // Catches: wrong points, "1 points.", the dialogs out of order or the tries reset before they show.
    QFETCH(int, misses);
    QFETCH(QString, message);
    GameFixture f({"first.edi", "cat.edi", "dog.edi"});
    HiddenRules rules(f.env());
    rules.setSubjectTitle(QStringLiteral("Farm animals"));
    rules.loadPictureList();
    for (int i = 0; i < 20 && rules.hiddenWord() != u"cat"; ++i)
        rules.next();
    QCOMPARE(rules.hiddenWord(), QStringLiteral("cat"));
    const QString picture = rules.picture();
    miss(rules, misses);
    QStringList tries;
    f.host.duringDialog = [&](const RecordingGameHost::Dialog&) { tries << rules.triesLabel(); };
    f.host.clear();
    rules.chooseLetter(buttonOf(u't'));
    rules.chooseLetter(buttonOf(u'a'));
    rules.chooseLetter(buttonOf(u'c'));
    QCOMPARE(f.host.events, (QStringList{"sound t.eda", "sound a.eda", "sound c.eda", "CORRECT",
                                         "sound cat.eda", "dialog Well done! The word is cat.", "CONGRATS",
                                         "dialog " + message, "score " + QString::number(10 - misses)}));
    QCOMPARE(f.host.dialogs[0].picture, DialogPicture::file(picture));
    QCOMPARE(f.host.dialogs[0].folder, QStringLiteral("Farm animals"));
    QCOMPARE(f.host.dialogs[1].picture, DialogPicture::congrats());
    const QString left = QString::number(10 - misses) + "/10";
    QCOMPARE(tries, (QStringList{left, left}));
    QCOMPARE(rules.hiddenWord(), QStringLiteral("dog"));
    QCOMPARE(rules.triesLabel(), QStringLiteral("10/10"));
    QCOMPARE(rules.lettersChosen(), QString());
}

void tst_HiddenRules::tenMissesLoseTheWordAndFoundLettersFillTheMeter() {
    // Catches: the tries counted up, a meter moved by misses rather than filled by letters found, or the
    // new word not reset.
    GameFixture f({"first.edi", "cat.edi", "dog.edi"});
    HiddenRules rules(f.env());
    rules.loadPictureList();
    for (int i = 0; i < 20 && rules.hiddenWord() != u"cat"; ++i)
        rules.next();
    QCOMPARE(rules.display(), (RunDisplay{10, 10, 0}));
    miss(rules, 1);
    QCOMPARE(rules.display(), (RunDisplay{9, 10, 0}));
    rules.chooseLetter(buttonOf(u'c'));
    QCOMPARE(rules.display(), (RunDisplay{9, 10, 3}));
    miss(rules, 9);

    QList<RunDisplay> seen;
    f.host.duringDialog = [&](const RecordingGameHost::Dialog&) { seen << rules.display(); };
    f.host.clear();
    miss(rules, 10);
    QCOMPARE(f.host.events, (QStringList{"INCORRECT", "LOSE", "dialog Sorry, the word is cat."}));
    QCOMPARE(seen, QList<RunDisplay>{(RunDisplay{0, 10, 3})});
    QCOMPARE(rules.hiddenWord(), QStringLiteral("dog"));
    QCOMPARE(rules.display(), (RunDisplay{10, 10, 0}));
    for (int i = 0; i < HiddenRules::LetterCount; ++i)
        QVERIFY(rules.letterVisible(i));
}

void tst_HiddenRules::aLetterIsChosenOncePerWordByButtonOrKey() {
    // Catches: a key choosing a letter already chosen (a second miss for one letter), keys that are not
    // letters counted, or the buttons not coming back for the next word.
    GameFixture f({"first.edi", "cat.edi", "dog.edi"});
    HiddenRules rules(f.env());
    rules.loadPictureList();
    rules.startNewGame();
    rules.chooseLetter(buttonOf(u'z'));
    QVERIFY(!rules.letterVisible(buttonOf(u'z')));
    rules.typeKey(u'Z');
    rules.typeKey(u'z');
    rules.chooseLetter(buttonOf(u'z'));
    rules.typeKey(u'1');
    rules.typeKey(u' ');
    QCOMPARE(rules.misses(), 1);
    QCOMPARE(f.host.events, QStringList{"INCORRECT"});
    QCOMPARE(rules.lettersChosen(), QStringLiteral(" z"));
    rules.typeKey(u'Q');
    QCOMPARE(rules.lettersChosen(), QStringLiteral(" z q"));
    rules.next();
    QVERIFY(rules.letterVisible(buttonOf(u'z')));
}

void tst_HiddenRules::nextWordIsNeitherTheLastNorTheFirstEntry() {
    // Catches: the same word twice in a row, entry 0 drawn, or Pass awarding points.
    GameFixture f({"01 first.edi", "cat.edi", "dog.edi", "hen type_us.edi"});
    HiddenRules rules(f.env());
    rules.loadPictureList();
    rules.startNewGame();
    QString last = rules.hiddenWord();
    for (int i = 0; i < 50; ++i) {
        f.host.clear();
        rules.pass();
        QCOMPARE(f.host.events, (QStringList{"score 0", "CLICK"}));
        QVERIFY(rules.hiddenWord() == u"cat" || rules.hiddenWord() == u"dog");
        QVERIFY(rules.hiddenWord() != last);
        last = rules.hiddenWord();
    }
}

void tst_HiddenRules::lettersLetInWhileASoundStartsWaitTheirTurn() {
    // Catches: a letter let in while the winning letter sounds winning the word a second time (points twice),
    // or one let in during a hit being lost or tried on the half-updated word.
    GameFixture f({"first.edi", "cat.edi", "dog.edi"});
    HookedGameHost hooked(f.host);
    GameEnv env = f.env();
    HiddenRules rules(GameEnv{hooked, env.random, env.app, env.lister});
    rules.loadPictureList();
    for (int i = 0; i < 20 && rules.hiddenWord() != u"cat"; ++i)
        rules.next();
    QStringList during;
    hooked.duringSound = [&](const QString& path) {
        if (path.endsWith(QStringLiteral("/c.eda"))) rules.typeKey(u'a');
        if (path.endsWith(QStringLiteral("/t.eda"))) {
            rules.typeKey(u'z');
            rules.pass();
            rules.next();
        }
        during << rules.maskedWord();
    };
    rules.typeKey(u'c');
    QCOMPARE(rules.maskedWord(), QStringLiteral("ca*"));
    QCOMPARE(rules.lettersChosen(), QStringLiteral(" c a"));
    QCOMPARE(during, (QStringList{"c**", "ca*"}));
    rules.typeKey(u't');
    QCOMPARE(f.host.events.filter(QStringLiteral("score")), QStringList{"score 10"});
    QCOMPARE(rules.hiddenWord(), QStringLiteral("dog"));
    QCOMPARE(rules.misses(), 0);
    QVERIFY(rules.letterVisible(buttonOf(u'z')));
}

void tst_HiddenRules::noWordLeftShowsANoticeAndDealsNothing_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("playable");
    QTest::newRow("empty folder") << QStringList{} << 0;
    QTest::newRow("only the first entry") << QStringList{"cat.edi"} << 0;
    QTest::newRow("only the other English") << QStringList{"cat.edi", "dog type_us.edi"} << 0;
    QTest::newRow("no letter to choose") << QStringList{"cat.edi", "2-3.edi"} << 0;
    QTest::newRow("one word, played once") << QStringList{"cat.edi", "dog.edi"} << 1;
}

void tst_HiddenRules::noWordLeftShowsANoticeAndDealsNothing() {
    // Catches: the endless draw (a hang) when no word other than the first entry or the last word is left.
    QFETCH(QStringList, files);
    QFETCH(int, playable);
    QElapsedTimer clock;
    clock.start();
    GameFixture f(files);
    HiddenRules rules(f.env());
    rules.loadPictureList();
    rules.startNewGame();
    QCOMPARE(rules.playing(), playable > 0);
    if (playable) rules.pass();
    QVERIFY(!rules.playing());
    QCOMPARE(rules.notice(), QStringLiteral("This subject needs more pictures for this game."));
    QVERIFY(rules.maskedWord().isEmpty());
    QVERIFY(rules.picture().isEmpty());
    f.host.clear();
    rules.typeKey(u'd');
    rules.checkSelectedLetter(u'o');
    rules.playWord();
    QVERIFY(f.host.events.isEmpty());
    rules.pass();
    QCOMPARE(f.host.events, (QStringList{"score 0", "CLICK"}));
    QVERIFY(clock.elapsed() < 1000);
}

QTEST_GUILESS_MAIN(tst_HiddenRules)
#include "tst_HiddenRules.moc"
