// ExplainedGames: one set for the whole program, so a game window unloaded and loaded again stays quiet,
// while a child who comes to the computer after another still hears every game explained.
#include "games/common/ExplainedGames.h"

#include <QSet>

#include <utility>

namespace {
QSet<std::pair<int, int>>& explained() {
    static QSet<std::pair<int, int>> games;
    return games;
}
} // namespace

namespace ExplainedGames {

bool firstTime(int player, int gameNumber) {
    const std::pair key{player, gameNumber};
    if (explained().contains(key)) return false;
    explained().insert(key);
    return true;
}

void forgetAll() {
    explained().clear();
}

} // namespace ExplainedGames
