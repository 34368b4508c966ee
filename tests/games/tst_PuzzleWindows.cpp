// Tests of the hidden letters, mixed letters and memory windows: how they open and close, the letters, tiles,
// keys and cards reaching the rules, what stands behind each dialog, and the points a win brings.
#include <functional>
#include <memory>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include "GamePlayFixture.h"
#include "controls/ClickLabel.h"
#include "controls/HotSpot.h"
#include "controls/ImageButton.h"
#include "games/common/LevelMeter.h"
#include "games/common/WordPicture.h"
#include "games/hidden/HiddenWindow.h"
#include "games/memory/MemoryWindow.h"
#include "games/memory/MemoryCard.h"
#include "games/mixed/MixedWindow.h"
#include "score/ScoreModel.h"
#include "shell/HomeScreen.h"
#include "shell/GameMenu.h"
#include "dialogs/MismatchDialog.h"
#include "dialogs/ResultDialog.h"

namespace {

const QString& Subject = PlaySubject;
const QStringList Words = {QStringLiteral("cat"),  QStringLiteral("cow"),   QStringLiteral("duck"),
                           QStringLiteral("goat"), QStringLiteral("horse"), QStringLiteral("lamb"),
                           QStringLiteral("pig"),  QStringLiteral("sheep")};

enum Spot { Memory = 2, Hidden = 4, Mixed = 5 };

struct Play : GamePlayFixture {
    explicit Play(const QStringList& words = Words) : GamePlayFixture(words, 20240611) {}
};

// Hidden letters: the button of a lower-case letter.
ImageButton* letter(HiddenWindow* game, QChar c) {
    return game->letterButton(c.toLower().unicode() - u'a');
}

// Ten letters that are not in the word.
QList<QChar> missingLetters(const QString& word, int count) {
    QList<QChar> out;
    for (char16_t c = u'a'; c <= u'z' && out.size() < count; ++c)
        if (!word.contains(QChar(c), Qt::CaseInsensitive)) out << QChar(c);
    return out;
}

// Mixed letters: a shown tile with the character, or one without it.
ImageButton* tileWith(MixedWindow* game, QChar c, bool matching = true) {
    const auto& tiles = game->game().tiles();
    for (int i = 0; i < MixedRules::TileCount; ++i)
        if (tiles[i].visible && (tiles[i].character == c) == matching) return game->tile(i);
    return nullptr;
}

void rebuildByTiles(MixedWindow* game) {
    const QString word = game->game().word();
    for (QChar c : word)
        click(tileWith(game, c));
}

// Memory: deals the whole table with the window's own timer ticks.
void dealAll(MemoryWindow* game) {
    for (int i = 0; i < 20 && game->revealTimer()->isActive(); ++i)
        QMetaObject::invokeMethod(game->revealTimer(), "timeout");
}

// Memory: the card carrying a word, other than the one to skip.
int cardOf(MemoryWindow* game, const QString& word, int skip = -1) {
    const auto& cards = game->game().cards();
    for (int i = 0; i < MemoryRules::CardCount; ++i)
        if (i != skip && cards[i].word == word) return i;
    return -1;
}

// Memory: every pair in one turn each.
void matchAllPairs(MemoryWindow* game) {
    dealAll(game);
    QStringList words;
    for (int i = 0; i < MemoryRules::PairCount; ++i)
        words << game->game().cards()[i].word;
    for (const QString& w : words) {
        const int a = cardOf(game, w);
        click(game->card(a));
        click(game->card(cardOf(game, w, a)));
    }
}

} // namespace

class tst_PuzzleWindows : public QObject {
    Q_OBJECT
private slots:
    void opensAndStartsFromMenuAndSectionClick_data();
    void opensAndStartsFromMenuAndSectionClick();
    void hiddenLettersWinAndLose_data();
    void hiddenLettersWinAndLose();
    void hiddenLettersTakeTheKeyboard_data();
    void hiddenLettersTakeTheKeyboard();
    void mixedLettersByTilesAndByTyping_data();
    void mixedLettersByTilesAndByTyping();
    void mixedTileLandsAtTheCaret();
    void mixedEnterThatClosedADialogChecksNothing();
    void memoryDealsPairsMismatchesAndWins();
    void memoryPassDuringDealingStartsOver();
    void closeReturnsToTheMenu_data();
    void closeReturnsToTheMenu();
    void tooFewPicturesShowsANoticeAndTheWindowStillWorks_data();
    void tooFewPicturesShowsANoticeAndTheWindowStillWorks();
    void everyControlLiesInsideTheWindow_data();
    void everyControlLiesInsideTheWindow();
    void roadFromHomeToAWinAndBackHome_data();
    void roadFromHomeToAWinAndBackHome();
};

void tst_PuzzleWindows::opensAndStartsFromMenuAndSectionClick_data() {
    QTest::addColumn<int>("spot");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("gameName");
    QTest::addColumn<bool>("bySectionClick");
    QTest::newRow("hidden letters from the menu") << int(Hidden) << "HiddenWindow"
                                                  << "hidden words" << false;
    QTest::newRow("mixed letters from the menu") << int(Mixed) << "MixedWindow"
                                                 << "mixed up words" << false;
    QTest::newRow("memory from the menu") << int(Memory) << "MemoryWindow"
                                          << "memory game" << false;
    QTest::newRow("hidden letters by chooseSubject") << int(Hidden) << "HiddenWindow"
                                                    << "hidden words" << true;
    QTest::newRow("mixed letters by chooseSubject") << int(Mixed) << "MixedWindow"
                                                   << "mixed up words" << true;
    QTest::newRow("memory by chooseSubject") << int(Memory) << "MemoryWindow"
                                            << "memory game" << true;
}

// Catches a game missing from the table, the subject not written, no first word or deal, a word shown
// unmasked or unshuffled, and a deal that shows everything at once or never ends.
void tst_PuzzleWindows::opensAndStartsFromMenuAndSectionClick() {
    QFETCH(int, spot);
    QFETCH(QString, window);
    QFETCH(QString, gameName);
    QFETCH(bool, bySectionClick);
    Play play;
    auto* game = play.openFromMenu<GameWindow>(spot);
    QVERIFY(game);
    if (bySectionClick) {
        QPointer<GameWindow> first(game);
        mainWindow()->chooseSubject(Subject);
        settle();
        game = play.shell->active<GameWindow>();
        QVERIFY(game);
        QVERIFY(!first);
        QCOMPARE(mainWindow()->gameNumber(), spot + 1);
    }
    QCOMPARE(game->formName(), window);
    QVERIFY(game->isVisible());
    QCOMPARE(game->subjectLabel()->text(), Subject);
    QCOMPARE(game->gameLabel()->text(), gameName);
    // Nothing in the notice line but the game's instruction on its first opening.
    QCOMPARE(game->noticeLabel()->isHidden() ? QString() : game->noticeLabel()->text(), game->instructionNotice());

    if (auto* hid = qobject_cast<HiddenWindow*>(game)) {
        const QString word = hid->game().hiddenWord();
        QVERIFY(Words.contains(word));
        QCOMPARE(appState().gameWord, word);
        QCOMPARE(hid->wordLabel()->text(), QString(word.size(), u'*'));
        QCOMPARE(hid->scoreLabel()->text(), QStringLiteral("10/10"));
        QVERIFY(!hid->mainPicture()->pixmap().isNull());
        for (int i = 0; i < HiddenRules::LetterCount; ++i) {
            QVERIFY(hid->letterButton(i)->isVisible());
            QVERIFY(hid->letterButton(i)->isEnabled());
            QCOMPARE(hid->letterButton(i)->caption(), HiddenRules::letterCaption(i));
        }
        QCOMPARE(hid->meter()->tenths(), 0);
    } else if (auto* mix = qobject_cast<MixedWindow*>(game)) {
        const QString word = mix->game().word();
        QVERIFY(Words.contains(word));
        QCOMPARE(appState().gameWord, word);
        QCOMPARE(mix->scrambledLabel()->text(), mix->game().scrambled());
        QVERIFY(mix->scrambledLabel()->text() != word);
        QString tiles;
        for (int i = 0; i < MixedRules::TileCount; ++i)
            if (mix->tile(i)->isVisible()) tiles += mix->tile(i)->caption().back();
        QCOMPARE(tiles, mix->game().scrambled());
        QCOMPARE(mix->scoreLabel()->text(), QStringLiteral("10/10"));
        QCOMPARE(mix->meter()->tenths(), 0);
        QCOMPARE(mix->checkButton()->caption(), QStringLiteral("Check"));
    } else if (auto* mem = qobject_cast<MemoryWindow*>(game)) {
        QCOMPARE(mem->revealTimer()->interval(), 100);
        QVERIFY(mem->revealTimer()->isActive());
        QCOMPARE(mem->scoreLabel()->text(), QStringLiteral("20/20"));
        for (int i = 0; i < MemoryRules::CardCount; ++i)
            QVERIFY(mem->card(i)->isHidden());
        // One card a tick after the first, in index order, each blue with its "?".
        QMetaObject::invokeMethod(mem->revealTimer(), "timeout");
        for (int i = 0; i < MemoryRules::CardCount; ++i) {
            QMetaObject::invokeMethod(mem->revealTimer(), "timeout");
            QVERIFY(mem->card(i)->isVisible());
            QCOMPARE(mem->card(i)->back(), QColor(30, 95, 247));
            QVERIFY(!mem->card(i)->faceUp());
            if (i + 1 < MemoryRules::CardCount) QVERIFY(mem->card(i + 1)->isHidden());
        }
        QVERIFY(!mem->revealTimer()->isActive());
        QVERIFY(Words.contains(mem->game().cards()[0].word));
    } else {
        QFAIL("unexpected window");
    }
}

void tst_PuzzleWindows::hiddenLettersWinAndLose_data() {
    QTest::addColumn<int>("misses");
    QTest::addColumn<QString>("counterBehindFirst");
    QTest::addColumn<QString>("lastMessage");
    QTest::addColumn<int>("points");
    QTest::newRow("found at once: ten points") << 0 << "10/10"
                                               << "Congratulations! You have won 10 points." << 10;
    QTest::newRow("nine misses: one point") << 9 << "1/10"
                                            << "Congratulations! You have won 1 point." << 1;
    QTest::newRow("ten misses: lost") << 10 << "0/10"
                                      << "" << 0;
}

// Catches letters that do not reach the rules, a word, counter or meter drawn after the dialog instead of
// before it, a meter that moves with misses or is not full behind a word won, points not reaching the score and the store, and no new word after.
void tst_PuzzleWindows::hiddenLettersWinAndLose() {
    QFETCH(int, misses);
    QFETCH(QString, counterBehindFirst);
    QFETCH(QString, lastMessage);
    QFETCH(int, points);
    Play play;
    auto* game = play.openFromMenu<HiddenWindow>(Hidden);
    QVERIFY(game);
    play.behind = [game] { return game->wordLabel()->text() + u'|' + QString::number(game->meter()->tenths()); };
    const QString word = game->game().hiddenWord();
    for (QChar c : missingLetters(word, misses))
        click(letter(game, c));
    if (misses == 10) {
        QCOMPARE(play.messages, QStringList{QStringLiteral("Sorry, the word is ") + word + u'.'});
        QCOMPARE(play.countersBehind, QStringList{counterBehindFirst});
        // Misses find nothing: the meter stays empty.
        QCOMPARE(play.extraBehind.value(0), QString(word.size(), u'*') + QStringLiteral("|0"));
        QCOMPARE(scoreModel().scoreTag(), QStringLiteral("0"));
    } else {
        QCOMPARE(game->meter()->tenths(), 0);
        play.shell->sound.log.clear();
        // Until the word is won: after that the buttons belong to the next word.
        for (QChar c : word)
            if (play.messages.isEmpty() && letter(game, c)->isVisible()) click(letter(game, c));
        QCOMPARE(play.messages.size(), 2);
        QCOMPARE(play.messages.at(0), QStringLiteral("Well done! The word is ") + word + u'.');
        QCOMPARE(play.countersBehind.at(0), counterBehindFirst);
        QCOMPARE(play.extraBehind.at(0), word + QStringLiteral("|10"));
        QCOMPARE(play.messages.at(1), lastMessage);
        QVERIFY(play.shell->sounds().contains(QStringLiteral("effect CONGRATS")));
        QVERIFY(play.shell->openedPaths().contains(play.wordSound(word)));
        QCOMPARE(scoreModel().scoreTag(), QString::number(points));
        QCOMPARE(mainWindow()->scoreLabel()->text(),
                 QStringLiteral("Score: %1 point%2").arg(points).arg(points == 1 ? "" : "s"));
        QCOMPARE(play.stored(), QString::number(points));
    }
    // A new word, all letters back, the meter empty again.
    QVERIFY(game->game().hiddenWord() != word);
    QCOMPARE(game->scoreLabel()->text(), QStringLiteral("10/10"));
    QCOMPARE(game->chosenLabel()->text(), QString());
    QCOMPARE(game->meter()->tenths(), 0);
    for (int i = 0; i < HiddenRules::LetterCount; ++i)
        QVERIFY(game->letterButton(i)->isVisible());
}

void tst_PuzzleWindows::hiddenLettersTakeTheKeyboard_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("chosen");
    QTest::newRow("lower case") << "x" << Qt::KeyboardModifiers() << true;
    QTest::newRow("upper case") << "X" << Qt::KeyboardModifiers(Qt::ShiftModifier) << true;
    QTest::newRow("twice counts once") << "xx" << Qt::KeyboardModifiers() << true;
    QTest::newRow("with Ctrl: a shortcut, not a letter")
        << "x" << Qt::KeyboardModifiers(Qt::ControlModifier) << false;
    QTest::newRow("a digit chooses nothing") << "7" << Qt::KeyboardModifiers() << false;
}

// Catches a key that does not reach the window, a key counted twice for one word, and shortcuts or digits
// taken as letters.
void tst_PuzzleWindows::hiddenLettersTakeTheKeyboard() {
    QFETCH(QString, keys);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, chosen);
    Play play;
    auto* game = play.openFromMenu<HiddenWindow>(Hidden);
    QVERIFY(game);
    QCOMPARE(game->focusPolicy(), Qt::StrongFocus);
    QVERIFY(!game->game().hiddenWord().contains(u'x'));
    for (QChar key : keys)
        QTest::keyClick(game, key.toLatin1(), modifiers);
    QCOMPARE(game->chosenLabel()->text(), chosen ? QStringLiteral(" x") : QString());
    QCOMPARE(letter(game, u'x')->isVisible(), !chosen);
    QCOMPARE(game->scoreLabel()->text(), chosen ? QStringLiteral("9/10") : QStringLiteral("10/10"));
    QCOMPARE(game->meter()->tenths(), 0);
}

void tst_PuzzleWindows::mixedLettersByTilesAndByTyping_data() {
    QTest::addColumn<int>("wrongTiles");
    QTest::addColumn<QString>("answer"); // "tiles", "check", "enter", "wrong"
    QTest::addColumn<QString>("counterBehindFirst");
    QTest::addColumn<int>("points");
    QTest::newRow("tiles in order: ten points") << 0 << "tiles"
                                                << "10/10" << 10;
    QTest::newRow("three wrong tiles, then rebuilt: seven points") << 3 << "tiles"
                                                                   << "7/10" << 7;
    QTest::newRow("ten wrong tiles: lost") << 10 << ""
                                           << "0/10" << 0;
    QTest::newRow("typed and Check: never past 10/10") << 0 << "check"
                                                       << "10/10" << 10;
    QTest::newRow("typed and Enter") << 0 << "enter"
                                     << "10/10" << 10;
    QTest::newRow("typed wrong: lost, the box empty for the next word") << 0 << "wrong"
                                                                        << "0/10" << 0;
}

// Catches tiles, Check or Enter not reaching the rules, a counter or meter drawn after its dialog, the text
// box not cleared for the next word, and points not reaching the score.
void tst_PuzzleWindows::mixedLettersByTilesAndByTyping() {
    QFETCH(int, wrongTiles);
    QFETCH(QString, answer);
    QFETCH(QString, counterBehindFirst);
    QFETCH(int, points);
    Play play;
    auto* game = play.openFromMenu<MixedWindow>(Mixed);
    QVERIFY(game);
    play.behind = [game] { return QString::number(game->meter()->tenths()); };
    const QString word = game->game().word();
    for (int i = 0; i < wrongTiles; ++i)
        click(tileWith(game, word.front(), false));
    if (wrongTiles > 0 && wrongTiles < 10) {
        QCOMPARE(game->scoreLabel()->text(), QStringLiteral("%1/10").arg(10 - wrongTiles));
        // Wrong tiles cost tries; the meter fills only as the word is rebuilt.
        QCOMPARE(game->meter()->tenths(), 0);
    }
    QLineEdit* box = game->textBox();
    if (answer == QLatin1String("tiles")) {
        rebuildByTiles(game);
    } else if (answer == QLatin1String("check")) {
        QTest::keyClicks(box, word);
        click(game->checkButton());
    } else if (answer == QLatin1String("enter")) {
        QTest::keyClicks(box, word);
        QTest::keyClick(box, Qt::Key_Return);
    } else if (answer == QLatin1String("wrong")) {
        QTest::keyClicks(box, QStringLiteral("zz"));
        QTest::keyClick(box, Qt::Key_Return);
    }

    QCOMPARE(play.countersBehind.value(0), counterBehindFirst);
    if (points > 0) {
        QCOMPARE(play.messages.size(), 2);
        QCOMPARE(play.messages.at(0), QStringLiteral("Well done! The word is ") + word + u'.');
        QCOMPARE(play.messages.at(1), QStringLiteral("Congratulations! You have won %1 points.").arg(points));
        QCOMPARE(play.extraBehind, (QStringList{"10", "10"}));
        QCOMPARE(box->text(), QString());
        QCOMPARE(game->rebuiltLabel()->text(), QString());
    } else {
        // "Sorry" here has no full stop.
        QCOMPARE(play.messages, QStringList{QStringLiteral("Sorry, the word is ") + word});
        QCOMPARE(play.extraBehind.value(0), QStringLiteral("0"));
        QCOMPARE(box->text(), QString());
    }
    QCOMPARE(scoreModel().scoreTag(), QString::number(points));
    QCOMPARE(play.stored(), points > 0 ? QString::number(points) : QStringLiteral("<none>"));
    QVERIFY(game->game().word() != word);
    QCOMPARE(game->scoreLabel()->text(), QStringLiteral("10/10"));
    QCOMPARE(game->meter()->tenths(), 0);
}

// Catches a tile letter that lands at the end of the text box instead of at the learner's caret (the caret
// moved without the text changing, so only a report of the caret itself tells the rules).
void tst_PuzzleWindows::mixedTileLandsAtTheCaret() {
    Play play;
    auto* game = play.openFromMenu<MixedWindow>(Mixed);
    QVERIFY(game);
    const QChar first = game->game().word().front();
    QLineEdit* box = game->textBox();
    QTest::keyClicks(box, QStringLiteral("ab"));
    QTest::keyClick(box, Qt::Key_Left);
    click(tileWith(game, first));
    QCOMPARE(box->text(), QStringLiteral("a") + first + u'b');
    QCOMPARE(box->cursorPosition(), 2);
    QCOMPARE(game->rebuiltLabel()->text(), QString(first));

    // A selection is replaced by the letter.
    box->selectAll();
    click(tileWith(game, game->game().word().at(1)));
    QCOMPARE(box->text(), QString(game->game().word().at(1)));
}

// Catches the Enter that closes a result dialog checking the text box again when it is released there,
// which would judge the next word at once.
void tst_PuzzleWindows::mixedEnterThatClosedADialogChecksNothing() {
    Play play;
    auto* game = play.openFromMenu<MixedWindow>(Mixed);
    QVERIFY(game);
    QLineEdit* box = game->textBox();
    play.onDialog = [box](QDialog* dialog) {
        // Enter goes down on the dialog, which closes at once; the key comes up in the text box.
        QTest::keyPress(dialog, Qt::Key_Return);
        QCoreApplication::postEvent(box, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier));
        return true;
    };
    QTest::keyClicks(box, QStringLiteral("zz"));
    QTest::keyClick(box, Qt::Key_Return);
    QTest::qWait(50);
    QCOMPARE(play.messages.size(), 1);
    QCOMPARE(box->text(), QString());
}

// Catches card clicks not reaching the rules, the mismatch message out of index order or without its dialog,
// cards not turned back or not painted red, the counter drawn after the dialog, the deal timer not restarted
// after a won game, and points not reaching the score.
void tst_PuzzleWindows::memoryDealsPairsMismatchesAndWins() {
    Play play;
    auto* game = play.openFromMenu<MemoryWindow>(Memory);
    QVERIFY(game);
    dealAll(game);
    const auto& cards = game->game().cards();
    const QColor red(227, 0, 0);
    // The cards face up and not yet matched.
    play.behind = [game, red] {
        QString faces;
        for (int i = 0; i < MemoryRules::CardCount; ++i)
            if (game->card(i)->faceUp() && game->card(i)->back() != red) faces += QString::number(i) + u' ';
        return faces.trimmed();
    };

    // A mismatch, the higher card clicked first.
    // Cards 0 to 5 carry six different words.
    const int low = 0;
    const int high = 1;
    const QString lowWord = cards[low].word;
    const QString highWord = cards[high].word;
    QVERIFY(lowWord != highWord);
    click(game->card(high));
    QVERIFY(game->card(high)->faceUp());
    // The turned card keeps the keyboard's focus, but a second press on it is no second card.
    click(game->card(high));
    QVERIFY(game->card(high)->faceUp());
    QVERIFY(play.messages.isEmpty());
    click(game->card(low));
    QCOMPARE(play.messages, QStringList{QStringLiteral("Sorry, ") + lowWord + QStringLiteral(" and ") +
                                        highWord + QStringLiteral(" do not match.")});
    QCOMPARE(play.countersBehind, QStringList{QStringLiteral("19/20")});
    QCOMPARE(play.extraBehind, QStringList{QStringLiteral("%1 %2").arg(low).arg(high)});
    QVERIFY(!game->card(low)->faceUp());
    QVERIFY(!game->card(high)->faceUp());
    QVERIFY(game->card(low)->isEnabled());
    // The meter fills with the pairs found, as every game's meter fills with what the child gains.
    QVERIFY(game->meter()->isVisible());
    QCOMPARE(game->meter()->tenths(), 0);

    // Then every pair at once: six more turns, 20 - 7 = 13 points.
    QStringList words;
    for (int i = 0; i < MemoryRules::PairCount; ++i)
        words << cards[i].word;
    for (int n = 0; n < words.size(); ++n) {
        const QString w = words[n];
        const int a = cardOf(game, w);
        const int b = cardOf(game, w, a);
        play.shell->sound.log.clear();
        click(game->card(a));
        click(game->card(b));
        if (n == words.size() - 1) break;
        QCOMPARE(play.messages.last(), QStringLiteral("Well done! The word is ") + w + u'.');
        QCOMPARE(play.extraBehind.last(), QStringLiteral("%1 %2").arg(qMin(a, b)).arg(qMax(a, b)));
        QCOMPARE(game->card(a)->back(), red);
        QCOMPARE(game->card(b)->back(), red);
        QCOMPARE(game->meter()->tenths(), (n + 1) * 10 / MemoryRules::PairCount);
        QVERIFY(game->card(a)->faceUp());
        QVERIFY(play.shell->openedPaths().contains(play.wordSound(w)));
    }
    QCOMPARE(play.messages.last(), QStringLiteral("Congratulations! You have won 13 points."));
    QCOMPARE(play.countersBehind.last(), QStringLiteral("13/20"));
    QCOMPARE(scoreModel().scoreTag(), QStringLiteral("13"));
    QCOMPARE(play.stored(), QStringLiteral("13"));
    // A new game is dealt at once.
    QCOMPARE(game->scoreLabel()->text(), QStringLiteral("20/20"));
    QVERIFY(game->revealTimer()->isActive());
    for (int i = 0; i < MemoryRules::CardCount; ++i)
        QVERIFY(game->card(i)->isHidden());
    QTRY_VERIFY_WITH_TIMEOUT(game->card(11)->isVisible(), 5000);
    QTRY_VERIFY(!game->revealTimer()->isActive());
}

// Catches Pass that does not restart the deal from the first card, or leaves the timer stopped.
void tst_PuzzleWindows::memoryPassDuringDealingStartsOver() {
    Play play;
    auto* game = play.openFromMenu<MemoryWindow>(Memory);
    QVERIFY(game);
    for (int i = 0; i < 4; ++i)
        QMetaObject::invokeMethod(game->revealTimer(), "timeout");
    QVERIFY(game->card(2)->isVisible());
    click(game->passButton());
    for (int i = 0; i < MemoryRules::CardCount; ++i)
        QVERIFY(game->card(i)->isHidden());
    QVERIFY(game->revealTimer()->isActive());
    QVERIFY(play.messages.isEmpty());
    QCOMPARE(scoreModel().scoreTag(), QStringLiteral("0"));
    dealAll(game);
    QVERIFY(game->card(11)->isVisible());
}

void tst_PuzzleWindows::closeReturnsToTheMenu_data() {
    QTest::addColumn<int>("spot");
    QTest::addColumn<QString>("window");
    QTest::newRow("hidden letters") << int(Hidden) << "HiddenWindow";
    QTest::newRow("mixed letters") << int(Mixed) << "MixedWindow";
    QTest::newRow("memory, while dealing") << int(Memory) << "MemoryWindow";
}

// Catches a close picture that leaves the game loaded, keeps its number remembered, leaves the child area
// empty, or (memory) a deal timer that outlives its window.
void tst_PuzzleWindows::closeReturnsToTheMenu() {
    QFETCH(int, spot);
    QFETCH(QString, window);
    Play play;
    auto* game = play.openFromMenu<GameWindow>(spot);
    QVERIFY(game);
    mainWindow()->chooseSubject(Subject);
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
    QTest::qWait(250);
    QVERIFY(play.messages.isEmpty());
}

void tst_PuzzleWindows::tooFewPicturesShowsANoticeAndTheWindowStillWorks_data() {
    QTest::addColumn<int>("spot");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("hidden letters: only the first entry")
        << int(Hidden) << QStringList{QStringLiteral("cat")};
    QTest::newRow("mixed letters: a word no shuffle changes")
        << int(Mixed) << QStringList{QStringLiteral("aa"), QStringLiteral("ee")};
    QTest::newRow("memory: eight files, five words")
        << int(Memory)
        << QStringList{QStringLiteral("cat"),         QStringLiteral("cow"),   QStringLiteral("duck"),
                       QStringLiteral("goat"),        QStringLiteral("pig"),   QStringLiteral("01 cat"),
                       QStringLiteral("cow type_us"), QStringLiteral("02 pig")};
}

// Catches a draw that freezes the window, a notice not shown, and Pass or close that stop working when no
// round can be dealt.
void tst_PuzzleWindows::tooFewPicturesShowsANoticeAndTheWindowStillWorks() {
    QFETCH(int, spot);
    QFETCH(QStringList, words);
    Play play(words);
    QElapsedTimer clock;
    clock.start();
    auto* game = play.openFromMenu<GameWindow>(spot);
    QVERIFY(game);
    QVERIFY(clock.elapsed() < 2000);
    QVERIFY(game->noticeLabel()->isVisible());
    QCOMPARE(game->noticeLabel()->text(), QStringLiteral("This subject needs more pictures for this game."));
    if (auto* hid = qobject_cast<HiddenWindow*>(game)) {
        QVERIFY(!hid->letterButton(0)->isEnabled());
        click(hid->passButton());
        click(hid->nextPicture());
    } else if (auto* mix = qobject_cast<MixedWindow*>(game)) {
        QVERIFY(!mix->checkButton()->isEnabled());
        click(mix->passButton());
    } else if (auto* mem = qobject_cast<MemoryWindow*>(game)) {
        dealAll(mem);
        click(mem->card(0));
        QVERIFY(!mem->card(0)->faceUp());
        click(mem->passButton());
    }
    QVERIFY(game->noticeLabel()->isVisible());
    QVERIFY(play.messages.isEmpty());
    click(game->closePicture());
    settle();
    QVERIFY(play.shell->active<GameMenu>());
}

void tst_PuzzleWindows::everyControlLiesInsideTheWindow_data() {
    QTest::addColumn<int>("spot");
    QTest::newRow("hidden letters") << int(Hidden);
    QTest::newRow("mixed letters") << int(Mixed);
    QTest::newRow("memory") << int(Memory);
}

// Catches a control placed (partly) outside the fixed child area or hidden under another control, where a
// child could not see or reach it.
void tst_PuzzleWindows::everyControlLiesInsideTheWindow() {
    QFETCH(int, spot);
    // The longest words show every tile; the first entry is never drawn.
    Play play({QStringLiteral("aa"), QStringLiteral("abcdefghijklmnopqrstuvwxyz"),
               QStringLiteral("zyxwvutsrqponmlkjihgfedcba")});
    auto* game = play.openFromMenu<GameWindow>(spot);
    QVERIFY(game);
    if (auto* mix = qobject_cast<MixedWindow*>(game)) QVERIFY(mix->tile(MixedRules::TileCount - 1)->isVisible());
    const QRect area(QPoint(0, 0), GameWindow::area());
    QList<QWidget*> controls;
    for (QWidget* w : game->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // The title panel is the click area of the names it lies over.
        if (w == game->hoverFrame() || w == game->noticeLabel() || w == game->titlePanel()) continue;
        // Unnamed helpers and the meter a game does without are not controls.
        if (w->objectName().isEmpty() || (w == game->meter() && w->isHidden())) continue;
        controls << w;
        QVERIFY2(area.contains(w->geometry()), qPrintable(w->objectName()));
    }
    // No two controls the learner uses overlap.
    for (qsizetype i = 0; i < controls.size(); ++i)
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            QVERIFY2(
                !controls[i]->geometry().intersects(controls[j]->geometry()),
                qPrintable(controls[i]->objectName() + QStringLiteral(" / ") + controls[j]->objectName()));
}

void tst_PuzzleWindows::roadFromHomeToAWinAndBackHome_data() {
    QTest::addColumn<int>("spot");
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("points");
    QTest::newRow("hidden letters, found at once") << int(Hidden) << "HiddenWindow" << 10;
    QTest::newRow("mixed letters, rebuilt by tiles") << int(Mixed) << "MixedWindow" << 10;
    QTest::newRow("memory, a perfect game") << int(Memory) << "MemoryWindow" << 14;
}

// Catches a break anywhere on the learner's road: the subject not reaching the game, points not reaching
// the score labels or the store, and Home leaving the game loaded or the running score standing.
void tst_PuzzleWindows::roadFromHomeToAWinAndBackHome() {
    QFETCH(int, spot);
    QFETCH(QString, window);
    QFETCH(int, points);
    Play play;
    appState().section = QStringLiteral("Phonics a to z");
    auto* home = play.shell->active<HomeScreen>();
    QVERIFY(home);
    QTest::mouseMove(home->spot(6), home->spot(6)->rect().center());
    click(home->spot(6));
    settle();
    QCOMPARE(appState().section, Subject);
    auto* menu = play.shell->active<GameMenu>();
    QVERIFY(menu);
    click(menu->spot(spot));
    settle();
    auto* game = play.shell->active<GameWindow>();
    QVERIFY(game);
    QCOMPARE(game->formName(), window);
    QCOMPARE(game->subjectLabel()->text(), Subject);

    if (auto* hid = qobject_cast<HiddenWindow*>(game)) {
        const QString word = hid->game().hiddenWord();
        for (QChar c : word)
            if (play.messages.isEmpty() && letter(hid, c)->isVisible()) click(letter(hid, c));
    } else if (auto* mix = qobject_cast<MixedWindow*>(game)) {
        rebuildByTiles(mix);
    } else if (auto* mem = qobject_cast<MemoryWindow*>(game)) {
        matchAllPairs(mem);
    }
    const QString caption = QStringLiteral("Score: %1 points").arg(points);
    QCOMPARE(mainWindow()->scoreLabel()->text(), caption);
    QCOMPARE(mainWindow()->highScoreLabel()->text(), QStringLiteral("High Score: %1 points").arg(points));
    QCOMPARE(play.stored(), QString::number(points));

    mainWindow()->goHome();
    settle();
    QVERIFY(play.shell->active<HomeScreen>());
    QVERIFY(!forms().find(window));
    QCOMPARE(scoreModel().scoreTag(), QStringLiteral("0"));
    QCOMPARE(play.stored(), QString::number(points));
}

QTEST_MAIN(tst_PuzzleWindows)
#include "tst_PuzzleWindows.moc"
