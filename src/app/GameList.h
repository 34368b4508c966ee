// GameList: the six games in number order, with their window names, titles and game-menu hot spots.
#pragma once

#include <array>
#include <QRect>

struct GameListing {
    int number;             // 1..6; the game menu's picture index + 1
    const char* windowName; // the forms registry's name of its window
    const char* title;      // the game menu's tooltip
    QRect menuSpot;         // the game's picture on the game menu, in twips; the artwork draws it there
};

inline constexpr int GameCount = 6;
// The program and the artwork generator both read this table, so a hot spot and its picture agree.
extern const std::array<GameListing, GameCount> GameList;
