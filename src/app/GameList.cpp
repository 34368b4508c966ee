// GameList: finding a game's row by its number or its name.
#include "app/GameList.h"

const GameDescriptor* gameByNumber(int number) {
    for (const GameDescriptor& game : GameList)
        if (game.number == number) return &game;
    return nullptr;
}

const GameDescriptor* gameByName(const char* name) {
    for (const GameDescriptor& game : GameList)
        if (qstrcmp(name, game.name) == 0) return &game;
    return nullptr;
}
