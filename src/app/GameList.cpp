// GameList: the fixed rows of the six games.
#include "app/GameList.h"

// Instructions are short enough to follow in one hearing, in words a four-year-old knows.
const std::array<GameDescriptor, GameCount> GameList = {{
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
}};

const GameDescriptor* gameByNumber(int number) {
    for (const GameDescriptor& game : GameList)
        if (game.number == number) return &game;
    return nullptr;
}

const GameDescriptor* gameByName(QStringView name) {
    for (const GameDescriptor& game : GameList)
        if (name == QLatin1String(game.name)) return &game;
    return nullptr;
}
