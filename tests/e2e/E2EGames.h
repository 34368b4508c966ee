// E2EGames: how the end-to-end test plays each game window to a win by clicking its controls, and the
// closer that answers the result dialogs as a learner would.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include "controls/ClickLabel.h"
#include "controls/ImageButton.h"
#include "forms/GameForm.h"
#include "dialogs/MismatchDialog.h"
#include "dialogs/ResultDialog.h"

// Closes every result dialog soon after it opens with its OK button, and keeps what each one said.
class DialogCloser {
public:
    QStringList seen;

    DialogCloser() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { closeOne(); });
        timer_.start();
    }

private:
    void closeOne() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == handled_) return;
        if (auto* win = qobject_cast<ResultDialog*>(modal)) {
            handled_ = modal;
            seen << win->message();
            QTest::mouseClick(win->okButton(), Qt::LeftButton);
        } else if (auto* lose = qobject_cast<MismatchDialog*>(modal)) {
            handled_ = modal;
            seen << lose->message();
            QTest::mouseClick(lose->okButton(), Qt::LeftButton);
        } else if (modal->objectName() != QLatin1String("SplashScreen")) {
            // Nothing else should ask the learner anything on this road.
            handled_ = modal;
            seen << QStringLiteral("unexpected ") + modal->objectName();
            modal->close();
        }
    }

    QTimer timer_;
    QPointer<QWidget> handled_;
};

#if __has_include("games/RegisterGames.h")
#include "games/RegisterGames.h"
#endif
#if __has_include("games/listening/ListeningWindow.h")
#include "games/listening/ListeningWindow.h"
#endif
#if __has_include("games/choose/ChooseWindow.h")
#include "games/choose/ChooseWindow.h"
#endif
#if __has_include("games/cards/CardsWindow.h")
#include "games/cards/CardsWindow.h"
#endif
#if __has_include("games/hidden/HiddenWindow.h")
#include "games/hidden/HiddenWindow.h"
#endif
#if __has_include("games/mixed/MixedWindow.h")
#include "games/mixed/MixedWindow.h"
#include <QLineEdit>
#endif
#if __has_include("games/memory/MemoryWindow.h")
#include "games/memory/MemoryWindow.h"
#include "games/memory/MemoryCard.h"
#endif

#include "score/ScoreModel.h"

namespace e2e {

// The game windows register themselves as the program does at start.
inline void registerGames() {
#if __has_include("games/RegisterGames.h")
    ::registerGames();
#endif
}

// A right answer clicked with the mouse; the result dialogs it opens are closed by the DialogCloser.
inline void click(QWidget* control) {
    if (control) QTest::mouseClick(control, Qt::LeftButton);
}

inline qint32 runningScore() {
    return scoreModel().scoreTag().toInt();
}

// One turn of each game answered rightly. A turn returns false when it found nothing to click.
#if __has_include("games/listening/ListeningWindow.h")
inline bool turn(ListeningWindow& game) {
    if (!QTest::qWaitFor([&] { return !game.game().revealing(); }, 5000)) return false;
    const auto& cards = game.game().cards();
    for (int i = 0; i < ListeningRules::CardCount; ++i)
        if (cards[i].visible && cards[i].word == game.game().targetWord()) return click(game.card(i)), true;
    return false;
}
#endif
#if __has_include("games/choose/ChooseWindow.h")
// The picture is there from the start, so the right word is clicked as soon as its button shows.
inline bool turn(ChooseWindow& game) {
    int right = -1;
    const bool ready = QTest::qWaitFor(
        [&] {
            const auto& buttons = game.game().buttons();
            for (int i = 0; i < ChooseRules::ButtonCount; ++i)
                if (buttons[i].visible && buttons[i].word == game.game().turnWord()) right = i;
            return right >= 0 || !game.game().revealing();
        },
        5000);
    if (!ready || right < 0) return false;
    click(game.wordButton(right));
    return true;
}
#endif
#if __has_include("games/cards/CardsWindow.h")
inline bool turn(CardsWindow& game) {
    if (!game.game().cardTurned()) click(game.showButton());
    if (!game.game().cardTurned()) return false;
    click(game.yesButton());
    return true;
}
#endif
#if __has_include("games/hidden/HiddenWindow.h")
// Every letter of the word, once each.
inline bool turn(HiddenWindow& game) {
    if (!game.game().playing()) return false;
    const int word = game.game().wordIndex();
    const QString hidden = game.game().hiddenWord();
    QString tried;
    for (const QChar c : hidden) {
        const QChar lower = c.toLower();
        if (!HiddenRules::hasButton(c) || tried.contains(lower)) continue;
        tried += lower;
        click(game.letterButton(lower.unicode() - u'a'));
        if (game.game().wordIndex() != word || !game.game().playing()) break;
    }
    return true;
}
#endif
#if __has_include("games/mixed/MixedWindow.h")
// The word rebuilt tile by tile.
inline bool turn(MixedWindow& game) {
    if (!game.game().playing()) return false;
    const QString word = game.game().word();
    for (qsizetype k = 0; k < word.size(); ++k) {
        const auto& tiles = game.game().tiles();
        int found = -1;
        for (int i = 0; i < MixedRules::TileCount && found < 0; ++i)
            if (tiles[i].visible && tiles[i].character == word.at(k)) found = i;
        if (found < 0) return false;
        click(game.tile(found));
        if (game.game().word() != word) break; // won: a new word is on the table
    }
    return true;
}
#endif
#if __has_include("games/memory/MemoryWindow.h")
// One pair found.
inline bool turn(MemoryWindow& game) {
    if (!QTest::qWaitFor([&] { return !game.game().dealing() && !game.game().judging(); }, 5000))
        return false;
    const auto& cards = game.game().cards();
    for (int a = 0; a < MemoryRules::CardCount; ++a) {
        if (!cards[a].shown || cards[a].faceUp) continue;
        for (int b = a + 1; b < MemoryRules::CardCount; ++b) {
            if (!cards[b].shown || cards[b].faceUp || cards[b].word != cards[a].word) continue;
            click(game.card(a));
            click(game.card(b));
            return QTest::qWaitFor([&] { return !game.game().judging(); }, 5000);
        }
    }
    return false;
}
#endif

// Plays up to maxTurns turns of whichever game is open; with untilWin, stops at the first win. True when
// the game was won.
inline bool playTurns([[maybe_unused]] GameForm& form, int maxTurns, bool untilWin) {
    const qint32 before = runningScore();
    for (int i = 0; i < maxTurns; ++i) {
        bool played = false;
#if __has_include("games/listening/ListeningWindow.h")
        if (auto* g = qobject_cast<ListeningWindow*>(&form)) played = turn(*g);
#endif
#if __has_include("games/choose/ChooseWindow.h")
        if (auto* g = qobject_cast<ChooseWindow*>(&form)) played = turn(*g);
#endif
#if __has_include("games/cards/CardsWindow.h")
        if (auto* g = qobject_cast<CardsWindow*>(&form)) played = turn(*g);
#endif
#if __has_include("games/hidden/HiddenWindow.h")
        if (auto* g = qobject_cast<HiddenWindow*>(&form)) played = turn(*g);
#endif
#if __has_include("games/mixed/MixedWindow.h")
        if (auto* g = qobject_cast<MixedWindow*>(&form)) played = turn(*g);
#endif
#if __has_include("games/memory/MemoryWindow.h")
        if (auto* g = qobject_cast<MemoryWindow*>(&form)) played = turn(*g);
#endif
        if (!played) return false;
        if (untilWin && runningScore() > before) return true;
    }
    return runningScore() > before;
}

// Plays the open game until its win has been reported; false when it could not.
inline bool playToWin(GameForm& game, DialogCloser&) {
    return playTurns(game, 30, true);
}

// Deals and answers a few rounds of the open game, as a learner trying it would.
inline void playRounds(GameForm& game, int rounds) {
    playTurns(game, rounds, false);
}

// The close picture back to the game menu.
inline bool closeGame(GameForm& game) {
    auto* close = game.findChild<ClickLabel*>(QStringLiteral("closeCross"));
    if (!close) return false;
    QTest::mouseClick(close, Qt::LeftButton);
    return true;
}

} // namespace e2e
