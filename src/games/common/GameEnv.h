// GameEnv: what a game's rules are built with: the host, the generator, the application record, the lister,
// the game's row.
#pragma once

#include "games/common/PictureList.h"

struct GameDescriptor;
class GameHost;
class PictureCheck;
class PracticeSource;
class RandomSource;
struct AppState;

struct GameEnv {
    GameHost& host;
    RandomSource& random;
    // Read live: Section and Language are looked up at each use.
    const AppState& app;
    // Lists a folder's picture files; empty means the real folder listing.
    PictureList::Lister lister = {};
    // The game's row in the game list (its instruction); null for rules played without a window.
    const GameDescriptor* game = nullptr;
    // What the player knows, for the word draw; null draws uniformly.
    PracticeSource* practice = nullptr;
    // Which pictures can be shown; null takes every listed picture as whole.
    PictureCheck* pictures = nullptr;
};
