// Tests of the choose game's rules: the run of ten, Pass, wrong answers, twin words, the reveal and the
// draw's limits.
#include "GameFixture.h"
#include "games/choose/ChooseRules.h"

#include <QElapsedTimer>
#include <QSet>
#include <QtTest>

namespace {

void revealAll(ChooseRules& rules) {
    while (rules.revealTick()) {
    }
}

int buttonWith(const ChooseRules& rules, bool right, int skip = -1) {
    for (int i = 0; i < ChooseRules::ButtonCount; ++i)
        if (i != skip && (rules.buttons()[i].word == rules.turnWord()) == right) return i;
    return -1;
}

void answerRight(ChooseRules& rules, int times) {
    for (int i = 0; i < times; ++i) {
        revealAll(rules);
        rules.clickButton(buttonWith(rules, true));
    }
}

} // namespace

class tst_ChooseRules : public QObject {
    Q_OBJECT
private slots:
    void tenthRightAnswerWinsTenPointsOnceAndKeepsTheTurn();
    void wrongAnswerNamesTheRightWord();
    void passEndsTheRunWithAClick();
    void activationRedrawsTheRunItKeeps();
    void revealShowsButtonsInOrderWithTheSubjectsSound();
    void twoFilesWithTheSameWordBothCountAsRight();
    void tooFewPicturesShowsANoticeAndDealsNothing_data();
    void tooFewPicturesShowsANoticeAndDealsNothing();
};

void tst_ChooseRules::tenthRightAnswerWinsTenPointsOnceAndKeepsTheTurn() {
    // Catches: points awarded twice or not at all, the counter left at 10/10, a new deal after the tenth.
    GameFixture f(plainPictures(9));
    ChooseRules rules(f.env());
    rules.setSubjectTitle(QStringLiteral("Farm animals"));
    rules.activate();
    answerRight(rules, 9);
    QCOMPARE(rules.display().label(), QStringLiteral("9/10"));
    revealAll(rules);

    const QString picture = rules.mainPicture();
    const QString word = rules.turnWord();
    QStringList shown;
    f.host.duringDialog = [&](const RecordingGameHost::Dialog&) { shown << rules.display().label(); };
    f.host.clear();
    rules.clickButton(buttonWith(rules, true));

    QCOMPARE(f.host.events,
             (QStringList{"CORRECT", "sound " + word + ".eda", "dialog Well done! The word is " + word + ".",
                          "CONGRATS", "dialog Congratulations! You have won 10 points.", "score 10"}));
    QCOMPARE(shown, (QStringList{"10/10", "0/10"}));
    QCOMPARE(f.host.dialogs[0].picture, DialogPicture::file(picture));
    QCOMPARE(f.host.dialogs[0].folder, QStringLiteral("Farm animals"));
    QCOMPARE(rules.display(), (RunDisplay{0, 10, 0}));
    QCOMPARE(rules.mainPicture(), picture);
    QCOMPARE(rules.turnWord(), word);
    for (const auto& button : rules.buttons())
        QVERIFY(button.visible);
}

void tst_ChooseRules::wrongAnswerNamesTheRightWord() {
    // Catches: "Sorry" naming the clicked word, or a miss that keeps the run.
    GameFixture f(plainPictures(7));
    ChooseRules rules(f.env());
    rules.activate();
    answerRight(rules, 4);
    revealAll(rules);
    const QString word = rules.turnWord();
    const QString picture = rules.mainPicture();
    f.host.clear();
    rules.clickButton(buttonWith(rules, false));
    QCOMPARE(f.host.events, (QStringList{"LOSE", "dialog Sorry, the word is " + word}));
    QCOMPARE(f.host.dialogs[0].picture, DialogPicture::file(picture));
    QCOMPARE(rules.display(), (RunDisplay{0, 10, 0}));
    QVERIFY(rules.revealing());
}

void tst_ChooseRules::passEndsTheRunWithAClick() {
    // Catches: Pass keeping the run (the listening game's rule) or dealing no new picture.
    GameFixture f(plainPictures(12));
    ChooseRules rules(f.env());
    rules.activate();
    answerRight(rules, 4);
    QCOMPARE(rules.display().label(), QStringLiteral("4/10"));
    const QString word = rules.turnWord();
    f.host.clear();
    rules.pass();
    QCOMPARE(f.host.events, QStringList{"CLICK"});
    QCOMPARE(rules.display(), (RunDisplay{0, 10, 0}));
    QVERIFY(rules.turnWord() != word);
    for (const auto& button : rules.buttons())
        QVERIFY(!button.visible);
}

void tst_ChooseRules::activationRedrawsTheRunItKeeps() {
    // Catches: activation resetting the run or leaving the counter out of step with it.
    GameFixture f(plainPictures(7));
    ChooseRules rules(f.env());
    rules.activate();
    answerRight(rules, 3);
    rules.activate();
    QCOMPARE(rules.correctInRow(), 3);
    QCOMPARE(rules.display(), (RunDisplay{3, 10, 3}));
}

void tst_ChooseRules::revealShowsButtonsInOrderWithTheSubjectsSound() {
    // Catches: buttons shown out of order, a missing or extra reveal sound, hidden buttons that answer.
    GameFixture f(plainPictures(7));
    ChooseRules rules(f.env());
    rules.activate();
    rules.clickButton(buttonWith(rules, true));
    QVERIFY(f.host.events.isEmpty());
    for (int i = 0; i < ChooseRules::ButtonCount; ++i) {
        QCOMPARE(rules.revealTick(), i < ChooseRules::ButtonCount - 1);
        for (int j = 0; j < ChooseRules::ButtonCount; ++j)
            QCOMPARE(rules.buttons()[j].visible, j <= i);
    }
    QCOMPARE(f.host.events, QStringList(ChooseRules::ButtonCount, QStringLiteral("sound 1.eda")));
    QVERIFY(f.host.soundPaths[0].endsWith(QStringLiteral("/farm animals/1.eda")));
    QVERIFY(!rules.revealTick());
    QCOMPARE(f.host.events.size(), ChooseRules::ButtonCount);
}

void tst_ChooseRules::twoFilesWithTheSameWordBothCountAsRight() {
    // Catches: only one of two equal button words being accepted.
    GameFixture f({"cat.edi", "01 cat.edi", "dog.edi", "hen.edi", "pig.edi", "cow.edi"});
    ChooseRules rules(f.env());
    for (int second = 0; second < 2; ++second) {
        for (int turn = 0; turn < 100 && rules.turnWord() != u"cat"; ++turn)
            rules.pass();
        QCOMPARE(rules.turnWord(), QStringLiteral("cat"));
        revealAll(rules);
        const int first = buttonWith(rules, true);
        const int other = buttonWith(rules, true, first);
        QVERIFY(first >= 0 && other >= 0);
        f.host.clear();
        rules.clickButton(second ? other : first);
        QCOMPARE(f.host.events.first(), QStringLiteral("CORRECT"));
        QCOMPARE(rules.correctInRow(), 1);
        rules.pass();
    }
}

void tst_ChooseRules::tooFewPicturesShowsANoticeAndDealsNothing_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("language");
    QTest::newRow("empty folder") << QStringList{} << "BRITISH";
    QTest::newRow("five pictures") << plainPictures(5) << "BRITISH";
    QTest::newRow("six, one American") << (plainPictures(5) << "z type_us.edi") << "BRITISH";
}

void tst_ChooseRules::tooFewPicturesShowsANoticeAndDealsNothing() {
    // Catches: the endless draw (a hang) when a turn cannot hold six different usable pictures.
    QFETCH(QStringList, files);
    QFETCH(QString, language);
    QElapsedTimer clock;
    clock.start();
    GameFixture f(files, language);
    ChooseRules rules(f.env());
    rules.activate();
    QCOMPARE(rules.notice(), QStringLiteral("This subject needs at least 6 pictures for this game."));
    QVERIFY(!rules.revealing());
    QVERIFY(rules.turnWord().isEmpty());
    rules.clickButton(0);
    rules.playWord();
    QVERIFY(f.host.events.isEmpty());
    rules.pass();
    QCOMPARE(f.host.events, QStringList{"CLICK"});
    QVERIFY(clock.elapsed() < 1000);
}

QTEST_GUILESS_MAIN(tst_ChooseRules)
#include "tst_ChooseRules.moc"
