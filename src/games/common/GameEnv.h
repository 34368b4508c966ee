// GameEnv: what a game's rules are built with: the host, the generator, the application record, the lister.
#pragma once

#include "games/common/PictureList.h"

class GameHost;
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
    // What the player knows, for the word draw; null draws uniformly.
    PracticeSource* practice = nullptr;
};
