// GameList: the six games, one row each holding everything that is a game's own.
#pragma once

#include <array>
#include <QRect>
#include <QStringView>

struct GameDescriptor {
    int number;              // 1..6: the game menu's picture index + 1, and the game the main window remembers
    const char* name;        // the game's one name in the code: its folder, its classes, its instruction sounds
    const char* windowName;  // the window registry's name of its window
    const char* title;       // shown and spoken on the game menu
    const char* instruction; // what the game wants, in a child's words: shown and spoken in the game
    const char* logName;     // under the subject in the game, and in the answer log: stored, so never changed
    QRect menuSpot;          // the game's picture on the game menu, in twips; the artwork draws it there
};

inline constexpr int GameCount = 6;
// The program, the artwork generator and the word-pack tool all read this table, so a hot spot and its
// picture, a game and its instruction sound, always agree.
extern const std::array<GameDescriptor, GameCount> GameList;

// The row of a number or a name, or null.
const GameDescriptor* gameByNumber(int number);
const GameDescriptor* gameByName(QStringView name);
