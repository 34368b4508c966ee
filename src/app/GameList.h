// GameList: the six games, one row each holding everything that is a game's own.
#pragma once

#include <iterator>
#include <QRect>

struct GameDescriptor {
    int number;              // 1..6: the game menu's picture index + 1, and the game the main window remembers
    const char* name;        // the game's one name in the code: its folder, its classes, its instruction sounds
    const char* windowName;  // the window registry's name of its window
    const char* title;       // shown and spoken on the game menu
    const char* instruction; // what the game wants, in a child's words: shown and spoken in the game
    const char* logName;     // under the subject in the game, and in the answer log: stored, so never changed
    QRect menuSpot;          // the game's picture on the game menu, in twips; the artwork draws it there
};

// The program, the artwork generator and the word-pack tool all read this table, so a hot spot and its
// picture, a game and its instruction sound, always agree.
// Instructions are short enough to follow in one hearing, in words a four-year-old knows.
inline constexpr GameDescriptor GameList[] = {
    {1, "listening", "ListeningWindow", "Listening", "Listen to the word, then click its picture.",
     "listening game", {825, 2760, 1605, 645}},
    {2, "cards", "CardsWindow", "Flash Cards",
     "Say what the picture is, then turn the card. Were you right? Click yes or no.", "flash cards",
     {2865, 4770, 2505, 660}},
    {3, "memory", "MemoryWindow", "Memory", "Find two cards with the same picture.", "memory game",
     {5580, 2040, 1680, 915}},
    {4, "choose", "ChooseWindow", "Words", "Look at the picture, then click its word.", "choose a word",
     {7860, 4425, 2535, 885}},
    {5, "hidden", "HiddenWindow", "Hidden Words", "Guess the hidden word. Click the letters you think are in it.",
     "hidden words", {9630, 2970, 2865, 705}},
    {6, "mixed", "MixedWindow", "Mixed Up",
     "The letters are mixed up. Click them in the right order to make the word.", "mixed up words",
     {12750, 4680, 2145, 675}},
};
inline constexpr int GameCount = int(std::size(GameList));

// The row of a number or a name, or null.
const GameDescriptor* gameByNumber(int number);
const GameDescriptor* gameByName(const char* name);
