// Tests of the listening, choose and flash cards windows: how they open and close, the timed reveals, the
// hover frame, the counter and meter behind each dialog, and the points a win brings.
#include <functional>
#include <memory>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "GamePlayFixture.h"
#include "controls/ClickLabel.h"
#include "controls/HotSpot.h"
#include "controls/ImageButton.h"
#include "games/cards/CardsWindow.h"
#include "games/choose/ChooseWindow.h"
#include "games/common/ExplainedGames.h"
#include "games/common/LevelMeter.h"
#include "games/listening/ListeningWindow.h"
#include "score/ScoreModel.h"
#include "shell/GameMenu.h"
#include "grownups/SettingsDialog.h"
#include "dialogs/ResultDialog.h"

namespace {

const QString& Subject = PlaySubject;
const QStringList Animals = {QStringLiteral("cat"),   QStringLiteral("cow"),  QStringLiteral("dog"),
                             QStringLiteral("duck"),  QStringLiteral("goat"), QStringLiteral("hen"),
                             QStringLiteral("horse"), QStringLiteral("pig")};

struct Play : GamePlayFixture {
    explicit Play(const QStringList& words = Animals) : GamePlayFixture(words, 20240501) {}
};

// Fires the window's reveal timer once, as its interval passing would.
void tick(GameWindow* game) {
    QVERIFY(game->revealTimer()->isActive());
    QMetaObject::invokeMethod(game->revealTimer(), "timeout");
}

int visibleCards(ListeningWindow* game) {
    int n = 0;
    for (int i = 0; i < ListeningRules::CardCount; ++i)
        n += game->card(i)->isVisible() ? 1 : 0;
    return n;
}

int visibleWords(ChooseWindow* game) {
    int n = 0;
    for (int i = 0; i < ChooseRules::ButtonCount; ++i)
        n += game->wordButton(i)->isVisible() ? 1 : 0;
    return n;
}

void revealAll(GameWindow* game) {
    for (int i = 0; i < 10 && game->revealTimer()->isActive(); ++i)
        tick(game);
}

// Answers right once in the listening or choose game, whichever is open.
void answerRight(GameWindow* game) {
    revealAll(game);
    if (auto* lis = qobject_cast<ListeningWindow*>(game)) {
        for (int i = 0; i < ListeningRules::CardCount; ++i)
            if (lis->game().cards()[i].word == lis->game().targetWord()) return click(lis->card(i));
    } else if (auto* chs = qobject_cast<ChooseWindow*>(game)) {
        for (int i = 0; i < ChooseRules::ButtonCount; ++i)
            if (chs->game().buttons()[i].word == chs->game().turnWord()) return click(chs->wordButton(i));
    } else if (auto* crd = qobject_cast<CardsWindow*>(game)) {
        click(crd->showButton());
        return click(crd->yesButton());
    }
    QFAIL("no right answer on the table");
}

} // namespace

class tst_GameWindows : public QObject {
    Q_OBJECT
private slots:
    void opensFromMenuAndSectionClick_data();
    void opensFromMenuAndSectionClick();
    void revealsOneByOneThenSpeaks_data();
    void revealsOneByOneThenSpeaks();
    void closeReturnsToTheMenu_data();
    void closeReturnsToTheMenu();
    void winAddsRunningScoreAndStoresHighScore_data();
    void winAddsRunningScoreAndStoresHighScore();
    void hoverFrameFollowsThePointer();
    void aSecondClickWhileAnAnswerIsJudgedCountsOnce_data();
    void aSecondClickWhileAnAnswerIsJudgedCountsOnce();
    void closingOrHomeDuringAnAnswerKeepsItsPoints_data();
    void closingOrHomeDuringAnAnswerKeepsItsPoints();
    void savedLanguageDealsTheOpenGameAgain();
    void cardsTurnAndAnswer();
    void tooFewPicturesShowsANoticeAndTheWindowStillWorks_data();
    void tooFewPicturesShowsANoticeAndTheWindowStillWorks();
    void instructionHidesNoControlAndKeepsItsClicks_data();
    void instructionHidesNoControlAndKeepsItsClicks();
    void everyControlLiesInsideTheWindow_data();
    void everyControlLiesInsideTheWindow();
};

void tst_GameWindows::opensFromMenuAndSectionClick_data() {
    QTest::addColumn<int>("spot");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("gameName");
    QTest::addColumn<bool>("bySectionClick");
    QTest::newRow("listening from the menu") << 0 << "ListeningWindow"
                                             << "listening game" << false;
    QTest::newRow("flash cards from the menu") << 1 << "CardsWindow"
                                               << "flash cards" << false;
    QTest::newRow("choose from the menu") << 3 << "ChooseWindow"
                                          << "choose a word" << false;
    QTest::newRow("listening again by chooseSubject") << 0 << "ListeningWindow"
                                                     << "listening game" << true;
    QTest::newRow("flash cards again by chooseSubject") << 1 << "CardsWindow"
                                                       << "flash cards" << true;
    QTest::newRow("choose again by chooseSubject") << 3 << "ChooseWindow"
                                                  << "choose a word" << true;
}

// Catches a game missing from the table, the subject not written, the language not read again on
// activation, no first turn, and (by chooseSubject) a flash card drawn before its list points at the subject.
void tst_GameWindows::opensFromMenuAndSectionClick() {
    QFETCH(int, spot);
    QFETCH(QString, window);
    QFETCH(QString, gameName);
    QFETCH(bool, bySectionClick);
    Play play;
    play.shell->store.store.writeString(appState().registryBase + QStringLiteral("Settings\\Details"),
                                        QStringLiteral("Language"), QStringLiteral("BRITISH"));
    GameWindow* game = play.openFromMenu<GameWindow>(spot);
    QVERIFY(game);
    if (bySectionClick) {
        mainWindow()->chooseSubject(Subject);
        settle();
        game = play.shell->active<GameWindow>();
        QVERIFY(game);
        QCOMPARE(mainWindow()->gameNumber(), spot + 1);
    }
    QCOMPARE(game->formName(), window);
    QVERIFY(game->isVisible());
    QCOMPARE(game->subjectLabel()->text(), Subject);
    QCOMPARE(game->gameLabel()->text(), gameName);
    QCOMPARE(appState().language, QStringLiteral("BRITISH"));
    QCOMPARE(game->pictureList().size(), Animals.size());
    // Nothing in the notice line but the game's instruction on its first opening.
    QCOMPARE(game->noticeLabel()->isHidden() ? QString() : game->noticeLabel()->text(), game->instructionNotice());

    if (auto* lis = qobject_cast<ListeningWindow*>(game)) {
        QVERIFY(Animals.contains(lis->game().targetWord()));
        QCOMPARE(lis->wordLabel()->text(), lis->game().targetWord());
    } else if (auto* chs = qobject_cast<ChooseWindow*>(game)) {
        QVERIFY(Animals.contains(chs->game().turnWord()));
        QVERIFY(!chs->mainPicture()->pixmap().isNull());
    } else if (auto* crd = qobject_cast<CardsWindow*>(game)) {
        QVERIFY(Animals.contains(crd->game().cardWord()));
        QVERIFY(!crd->mainPicture()->pixmap().isNull());
        QVERIFY(crd->showButton()->isVisible());
        QVERIFY(crd->cardPanel()->isHidden());
    }
}

void tst_GameWindows::revealsOneByOneThenSpeaks_data() {
    QTest::addColumn<int>("spot");
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("count");
    QTest::newRow("listening: four cards 100 ms apart, then the word") << 0 << 100 << 4;
    QTest::newRow("choose: six words 200 ms apart, each with 1.eda") << 3 << 200 << 6;
}

// Catches a reveal that shows everything at once, skips or repeats a place, never stops, speaks the word
// before the last card, or runs on while a result dialog is open.
void tst_GameWindows::revealsOneByOneThenSpeaks() {
    QFETCH(int, spot);
    QFETCH(int, interval);
    QFETCH(int, count);
    Play play;
    auto* game = play.openFromMenu<GameWindow>(spot);
    QVERIFY(game);
    QCOMPARE(game->revealTimer()->interval(), interval);
    auto* lis = qobject_cast<ListeningWindow*>(game);
    auto* chs = qobject_cast<ChooseWindow*>(game);
    const auto shown = [&] { return lis ? visibleCards(lis) : visibleWords(chs); };
    const QString folder = appState().programFolder + QStringLiteral("/files/") + Subject;

    QCOMPARE(shown(), 0);
    for (int i = 1; i <= count; ++i) {
        play.shell->sound.log.clear();
        tick(game);
        QCOMPARE(shown(), i);
        // Left to right: place i - 1 is the one that just turned up.
        QVERIFY(lis ? lis->card(i - 1)->isVisible() : chs->wordButton(i - 1)->isVisible());
        if (chs) QCOMPARE(play.shell->openedPaths(), QStringList{folder + QStringLiteral("/1.eda")});
        if (lis) QVERIFY(play.shell->openedPaths().isEmpty());
        // Decoded in the background, the card's picture is there when the card is.
        if (lis) QVERIFY(!lis->card(i - 1)->pixmap().isNull());
    }
    if (lis) {
        play.shell->sound.log.clear();
        tick(game);
        QCOMPARE(play.shell->openedPaths(),
                 QStringList{folder + u'/' + lis->game().targetWord() + QStringLiteral(".eda")});
    }
    QVERIFY(!game->revealTimer()->isActive());

    // Pass deals again and the timer takes the new turn up from nothing; the real timer finishes it.
    click(lis ? lis->passButton() : chs->passButton());
    QCOMPARE(shown(), 0);
    QVERIFY(game->revealTimer()->isActive());
    QTRY_COMPARE_WITH_TIMEOUT(shown(), count, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(!game->revealTimer()->isActive(), 5000);

    // A right answer part way through the next reveal: nothing turns up behind the dialog.
    click(lis ? lis->passButton() : chs->passButton());
    tick(game);
    QVERIFY(game->revealTimer()->isActive());
    int shownAtDialog = -1;
    connect(game, &GameWindow::dialogOpening, this, [&] {
        shownAtDialog = shown();
        QVERIFY(!game->revealTimer()->isActive());
    });
    if (lis) {
        // Only the first card is on the table; answer with it whatever it is.
        click(lis->card(0));
    } else {
        click(chs->wordButton(0));
    }
    QCOMPARE(shownAtDialog, 1);
    QCOMPARE(play.messages.size(), 1);
    // After the dialog a new turn is dealt and revealed from its start.
    QCOMPARE(shown(), 0);
    QVERIFY(game->revealTimer()->isActive());
}

void tst_GameWindows::closeReturnsToTheMenu_data() {
    QTest::addColumn<int>("spot");
    QTest::addColumn<QString>("window");
    QTest::newRow("listening") << 0 << "ListeningWindow";
    QTest::newRow("flash cards") << 1 << "CardsWindow";
    QTest::newRow("choose") << 3 << "ChooseWindow";
}

// Catches a close picture that leaves the game loaded (so it would not start afresh), keeps its number
// remembered (chooseSubject would reopen it), or leaves the child area empty.
void tst_GameWindows::closeReturnsToTheMenu() {
    QFETCH(int, spot);
    QFETCH(QString, window);
    Play play;
    auto* game = play.openFromMenu<GameWindow>(spot);
    QVERIFY(game);
    mainWindow()->chooseSubject(Subject); // remembers the game's number
    settle();
    game = play.shell->active<GameWindow>();
    QCOMPARE(mainWindow()->gameNumber(), spot + 1);
    QVERIFY(game->closePicture()->isVisible());

    click(game->closePicture());
    settle();
    QVERIFY(!forms().find(window));
    auto* menu = play.shell->active<GameMenu>();
    QVERIFY(menu);
    QVERIFY(menu->isVisible());
    QCOMPARE(mainWindow()->gameNumber(), 0);
}

void tst_GameWindows::winAddsRunningScoreAndStoresHighScore_data() {
    QTest::addColumn<int>("spot");
    QTest::addColumn<int>("answers");
    QTest::newRow("listening: twice ten right cards") << 0 << 20;
    QTest::newRow("choose: twice ten right words") << 3 << 20;
    // The eleventh Yes wins and starts the next run at 1/10, so ten more win again.
    QTest::newRow("flash cards: the eleventh and the twenty-first Yes") << 1 << 21;
}

// Catches points not reaching the running score or the store, a counter drawn after its dialog instead of
// before, and a counter or meter left full after the win.
void tst_GameWindows::winAddsRunningScoreAndStoresHighScore() {
    QFETCH(int, spot);
    QFETCH(int, answers);
    Play play;
    auto* game = play.openFromMenu<GameWindow>(spot);
    QVERIFY(game);
    const int stored = 10 * 2;
    for (int i = 0; i < answers; ++i)
        answerRight(game);
    QCOMPARE(scoreModel().scoreTag(), QString::number(stored));
    QCOMPARE(mainWindow()->scoreLabel()->text(), QStringLiteral("Score: %1 points").arg(stored));
    QCOMPARE(play.shell->readDetails(QStringLiteral("SCORE-HIGH - ") + Subject), QString::number(stored));

    const QString congrats = QStringLiteral("Congratulations! You have won 10 points.");
    QCOMPARE(play.messages.count(congrats), 2);
    if (spot == 1) {
        // Flash cards have no dialog before the win; the eleventh Yes counts as the next run's first.
        QCOMPARE(play.messages.size(), 2);
        QCOMPARE(game->scoreLabel()->text(), QStringLiteral("1/10"));
        QCOMPARE(game->meter()->tenths(), 1);
        return;
    }
    // Each "Well done!" showed the counter it announces: 1/10 .. 9/10, then 0/10 behind the tenth.
    QCOMPARE(play.messages.size(), 22);
    QVERIFY(play.messages.at(0).startsWith(QStringLiteral("Well done! The word is ")));
    QCOMPARE(play.countersBehind.at(0), QStringLiteral("1/10"));
    QCOMPARE(play.countersBehind.at(8), QStringLiteral("9/10"));
    QCOMPARE(play.messages.at(10), congrats);
    QCOMPARE(play.countersBehind.at(10), QStringLiteral("0/10"));
    QCOMPARE(game->scoreLabel()->text(), QStringLiteral("0/10"));
    QCOMPARE(game->meter()->tenths(), 0);
    QCOMPARE(game->meter()->cover()->y(), 0);
}

// Catches a hover frame that misses the control, is not hidden over the background, or takes the clicks.
void tst_GameWindows::hoverFrameFollowsThePointer() {
    Play play;
    auto* lis = play.openFromMenu<ListeningWindow>(0);
    QVERIFY(lis);
    revealAll(lis);
    QWidget* card = lis->card(2);
    QTest::mouseMove(card, card->rect().center());
    QTRY_VERIFY(lis->hoverFrame()->isVisible());
    QCOMPARE(lis->hoverFrame()->geometry(), card->geometry().adjusted(-2, -2, 3, 3));
    QVERIFY(lis->hoverFrame()->testAttribute(Qt::WA_TransparentForMouseEvents));

    QTest::mouseMove(lis, QPoint(600, 540));
    QTRY_VERIFY(lis->hoverFrame()->isHidden());

    // Straight from a card out of the window (onto the toolbar): no background move comes in between.
    QTest::mouseMove(card, card->rect().center());
    QTRY_VERIFY(lis->hoverFrame()->isVisible());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(lis, &leave);
    QVERIFY(lis->hoverFrame()->isHidden());
}

void tst_GameWindows::aSecondClickWhileAnAnswerIsJudgedCountsOnce_data() {
    QTest::addColumn<int>("spot");
    QTest::newRow("listening card") << 0;
    QTest::newRow("choose word") << 3;
}

// Catches a quick second click, let in while the word is spoken, judged as a second answer to the same turn.
void tst_GameWindows::aSecondClickWhileAnAnswerIsJudgedCountsOnce() {
    QFETCH(int, spot);
    Play play;
    auto* game = play.openFromMenu<GameWindow>(spot);
    QVERIFY(game);
    revealAll(game);
    QWidget* right = nullptr;
    if (auto* lis = qobject_cast<ListeningWindow*>(game)) {
        for (int i = 0; i < ListeningRules::CardCount; ++i)
            if (lis->game().cards()[i].word == lis->game().targetWord()) right = lis->card(i);
    } else if (auto* chs = qobject_cast<ChooseWindow*>(game)) {
        for (int i = 0; i < ChooseRules::ButtonCount; ++i)
            if (chs->game().buttons()[i].word == chs->game().turnWord()) right = chs->wordButton(i);
    }
    QVERIFY(right);
    // Arrives at the first chance the program gives: while the right word is spoken.
    QTimer::singleShot(0, right, [right] { click(right); });
    click(right);
    QCOMPARE(play.messages.size(), 1);
    QCOMPARE(game->scoreLabel()->text(), QStringLiteral("1/10"));
}

// Catches Yes / No reachable before the card is turned, a meter that does not follow the counter, and No
// or Pass that keep the run.
void tst_GameWindows::closingOrHomeDuringAnAnswerKeepsItsPoints_data() {
    QTest::addColumn<int>("spot");
    QTest::addColumn<bool>("closeProgram"); // or go Home
    QTest::newRow("listening, program closed") << 0 << true;
    QTest::newRow("listening, Home") << 0 << false;
    QTest::newRow("choose, program closed") << 3 << true;
    QTest::newRow("choose, Home") << 3 << false;
}

// Catches the game window deleted while its rules are still running (a use after free under ASan), a
// dialog or sound of the abandoned answer shown over the next screen, or the won points lost.
void tst_GameWindows::closingOrHomeDuringAnAnswerKeepsItsPoints() {
    QFETCH(int, spot);
    QFETCH(bool, closeProgram);
    Play play;
    auto* game = play.openFromMenu<GameWindow>(spot);
    QVERIFY(game);
    for (int i = 0; i < 9; ++i)
        answerRight(game);
    QPointer<GameWindow> window(game);
    bool left = false;
    play.onDialog = [&](QDialog*) {
        if (left) return false;
        left = true;
        if (closeProgram)
            play.shell->main->close();
        else
            mainWindow()->goHome();
        return false;
    };
    const qsizetype soundsBefore = play.shell->sound.log.size();
    answerRight(game); // the tenth: left from inside its first dialog
    QVERIFY(left);
    settle();
    QVERIFY(!window);
    QCOMPARE(play.messages.size(), 10);
    QVERIFY(!play.shell->sound.log.mid(soundsBefore).contains(QStringLiteral("effect CONGRATS")));
    QCOMPARE(play.stored(), QStringLiteral("10"));
    if (!closeProgram) QVERIFY(play.shell->active<ChildForm>() && play.shell->active<ChildForm>()->formName() == u"HomeScreen");
}

// Catches a language change that waits until the subject is entered again, the open game going on with
// the pictures of the other English.
void tst_GameWindows::savedLanguageDealsTheOpenGameAgain() {
    Play play(Animals + QStringList{QStringLiteral("color type_us"), QStringLiteral("colour type_uk")});
    auto* before = play.openFromMenu<CardsWindow>(1);
    QVERIFY(before);
    QPointer<CardsWindow> old(before);
    play.onDialog = [](QDialog* dialog) {
        auto* settings = qobject_cast<SettingsDialog*>(dialog);
        if (!settings) return false;
        settings->findChild<QRadioButton*>(QStringLiteral("britishOption"))->setChecked(true);
        click(settings->findChild<ImageButton*>(QStringLiteral("saveButton")));
        return true;
    };
    mainWindow()->openSettings();
    settle();
    QCOMPARE(appState().language, QStringLiteral("BRITISH"));
    QVERIFY(!old);
    auto* after = play.shell->active<CardsWindow>();
    QVERIFY(after);
    QCOMPARE(after->subject(), Subject);
    QStringList words;
    for (const auto& card : after->game().cards())
        words << card.word;
    QVERIFY(words.contains(QStringLiteral("colour")));
    QVERIFY(!words.contains(QStringLiteral("color")));
}

void tst_GameWindows::cardsTurnAndAnswer() {
    Play play;
    auto* crd = play.openFromMenu<CardsWindow>(1);
    QVERIFY(crd);
    QVERIFY(crd->yesButton()->isHidden() || crd->cardPanel()->isHidden());
    const QString word = crd->game().cardWord();
    play.shell->sound.log.clear();
    click(crd->showButton());
    QVERIFY(crd->cardPanel()->isVisible());
    QVERIFY(crd->showButton()->isHidden());
    QCOMPARE(crd->wordLabel()->text(), word);
    QCOMPARE(play.shell->openedPaths().value(0), appState().programFolder + QStringLiteral("/files/") +
                                                     Subject + u'/' + word + QStringLiteral(".eda"));

    for (int i = 0; i < 3; ++i) {
        click(crd->yesButton());
        QVERIFY(crd->cardPanel()->isHidden());
        click(crd->showButton());
    }
    QCOMPARE(crd->scoreLabel()->text(), QStringLiteral("3/10"));
    QCOMPARE(crd->meter()->tenths(), 3);
    QCOMPARE(crd->meter()->cover()->y(), -3 * (crd->meter()->innerHeight() / 10));
    click(crd->noButton());
    QCOMPARE(crd->scoreLabel()->text(), QStringLiteral("0/10"));
    QCOMPARE(crd->meter()->cover()->y(), 0);

    // The browser: the letter of the browsed word, in both cases.
    click(crd->nextPicture());
    const QString browsed = crd->wordLabel()->text();
    QVERIFY(Animals.contains(browsed));
    QCOMPARE(crd->letterLabel()->text(), browsed.left(1).toUpper() + u' ' + browsed.left(1));
}

void tst_GameWindows::tooFewPicturesShowsANoticeAndTheWindowStillWorks_data() {
    QTest::addColumn<int>("spot");
    QTest::addColumn<int>("pictures");
    QTest::addColumn<QString>("notice");
    QTest::newRow("listening with three")
        << 0 << 3 << "This subject needs at least 4 pictures for this game.";
    QTest::newRow("choose with five") << 3 << 5 << "This subject needs at least 6 pictures for this game.";
    QTest::newRow("choose with none") << 3 << 0 << "This subject needs at least 6 pictures for this game.";
}

// Catches a window that hangs or deals half a turn on a thin subject, or whose Pass and close stop working.
void tst_GameWindows::tooFewPicturesShowsANoticeAndTheWindowStillWorks() {
    QFETCH(int, spot);
    QFETCH(int, pictures);
    QFETCH(QString, notice);
    Play play(Animals.mid(0, pictures));
    auto* game = play.openFromMenu<GameWindow>(spot);
    QVERIFY(game);
    QVERIFY(game->noticeLabel()->isVisible());
    QCOMPARE(game->noticeLabel()->text(), notice);
    QVERIFY(!game->revealTimer()->isActive());
    auto* lis = qobject_cast<ListeningWindow*>(game);
    auto* chs = qobject_cast<ChooseWindow*>(game);
    QCOMPARE(lis ? visibleCards(lis) : visibleWords(chs), 0);

    click(lis ? lis->passButton() : chs->passButton());
    QVERIFY(game->noticeLabel()->isVisible());
    click(game->closePicture());
    settle();
    QVERIFY(play.shell->active<GameMenu>());
}

void tst_GameWindows::instructionHidesNoControlAndKeepsItsClicks_data() {
    QTest::addColumn<int>("spot");
    for (int spot = 0; spot < GameCount; ++spot)
        QTest::newRow(GameList[spot].name) << spot;
}

// Catches the instruction covering the pictures, "Show the word" or the letter keys while it is up, and a
// press on it that reaches what lies beneath (a hidden letter chosen, a try lost).
void tst_GameWindows::instructionHidesNoControlAndKeepsItsClicks() {
    QFETCH(int, spot);
    ExplainedGames::forgetAll();
    Play play;
    auto* game = play.openFromMenu<GameWindow>(spot);
    QVERIFY(game);
    revealAll(game);
    QLabel* notice = game->noticeLabel();
    QVERIFY(notice->isVisible());
    const QRect covered = notice->geometry();
    for (QWidget* control : game->findChildren<QWidget*>()) {
        if (!control->isVisible() || !(control->focusPolicy() & Qt::TabFocus)) continue;
        const QRect r(control->mapTo(game, QPoint(0, 0)), control->size());
        QVERIFY2(!covered.intersects(r), control->metaObject()->className());
    }
    for (const QPoint& p : {covered.center(), covered.topLeft() + QPoint(4, 4), covered.bottomRight()})
        QCOMPARE(game->childAt(p), notice);
}

void tst_GameWindows::everyControlLiesInsideTheWindow_data() {
    QTest::addColumn<int>("spot");
    QTest::newRow("listening") << 0;
    QTest::newRow("flash cards") << 1;
    QTest::newRow("choose") << 3;
}

// Catches a control placed where the design puts it below the child area, out of the learner's reach, and a
// text cut off by its label ("Which picture did you he…" after "Another word").
void tst_GameWindows::everyControlLiesInsideTheWindow() {
    QFETCH(int, spot);
    Play play;
    auto* game = play.openFromMenu<GameWindow>(spot);
    QVERIFY(game);
    if (auto* lis = qobject_cast<ListeningWindow*>(game)) {
        answerRight(lis);
        revealAll(lis);
        click(lis->findChild<ImageButton*>(QStringLiteral("selectButton")));
        QCOMPARE(lis->promptLabel()->text(), QStringLiteral("Which picture did you hear?"));
    }
    for (QLabel* label : game->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->wordWrap() || label->text().isEmpty()) continue;
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY2(needed <= label->contentsRect().width(), qPrintable(label->objectName() + u' ' + label->text()));
    }
    QCOMPARE(game->size(), GameWindow::area());
    const QRect window = game->rect();
    QList<QWidget*> controls;
    for (auto* b : game->findChildren<ImageButton*>())
        controls << b;
    for (auto* l : game->findChildren<ClickLabel*>())
        controls << l;
    controls << game->scoreLabel() << game->meter() << game->subjectLabel();
    QVERIFY(controls.size() >= 5);
    for (QWidget* c : controls) {
        const QRect r(c->mapTo(game, QPoint(0, 0)), c->size());
        if (!window.contains(r))
            QFAIL(qPrintable(c->objectName() + QStringLiteral(" lies outside the window")));
    }
}

QTEST_MAIN(tst_GameWindows)
#include "tst_GameWindows.moc"
