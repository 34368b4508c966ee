// E2EGames: how the end-to-end test plays each game window to a win by clicking its controls, and the
// closer that answers the result dialogs as a learner would.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include "controls/ClickLabel.h"
#include "controls/uctl_BTN.h"
#include "windows/GameForm.h"
#include "windows/msg_LOS.h"
#include "windows/msg_WIN.h"

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
        if (auto* win = qobject_cast<msg_WIN*>(modal)) {
            handled_ = modal;
            seen << win->message();
            QTest::mouseClick(win->okButton(), Qt::LeftButton);
        } else if (auto* lose = qobject_cast<msg_LOS*>(modal)) {
            handled_ = modal;
            seen << lose->message();
            QTest::mouseClick(lose->okButton(), Qt::LeftButton);
        } else if (modal->objectName() != QLatin1String("msg_SPL")) {
            // Nothing else should ask the learner anything on this road.
            handled_ = modal;
            seen << QStringLiteral("unexpected ") + modal->objectName();
            modal->close();
        }
    }

    QTimer timer_;
    QPointer<QWidget> handled_;
};

namespace e2e {

// The game windows register themselves as the program does at start.
inline void registerGames() {}

// Plays the open game until its win has been reported; false when it could not.
inline bool playToWin(GameForm& game, DialogCloser& dialogs) {
    Q_UNUSED(game);
    Q_UNUSED(dialogs);
    return false;
}

// Deals and answers a few rounds of the open game, right or wrong, as a learner trying it would.
inline void playRounds(GameForm& game, int rounds) {
    Q_UNUSED(game);
    Q_UNUSED(rounds);
}

// The close picture back to the game menu.
inline bool closeGame(GameForm& game) {
    auto* close = game.findChild<ClickLabel*>(QStringLiteral("imgCLOSE"));
    if (!close) return false;
    QTest::mouseClick(close, Qt::LeftButton);
    return true;
}

} // namespace e2e
