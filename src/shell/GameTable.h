// GameTable: the games of the game list with their registered windows; the game menu and the main window open them from here.
#pragma once

#include <functional>
#include <QList>
#include <QString>

class GameForm;

struct GameEntry {
    int number;                         // 1..6; the game menu's picture index + 1
    QString windowName;                 // ListeningWindow, ...
    QString title;                      // the game menu's tooltip
    std::function<GameForm*()> factory; // empty until the game registers itself
};

namespace GameTable {
// The six rows, sorted by number.
const QList<GameEntry>& entries();
// The row of a number, or null for any other number.
const GameEntry* byNumber(int number);
// A game fills its row at start-up; the forms registry then knows its window.
void registerGame(int number, std::function<GameForm*()> factory);
// Empties every factory (tests).
void clearRegistrations();
} // namespace GameTable
