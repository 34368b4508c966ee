// ExplainedGames: one set for the whole program, so a game window unloaded and loaded again stays quiet.
#include "games/common/ExplainedGames.h"

#include <QSet>

namespace {
QSet<int>& explained() {
    static QSet<int> games;
    return games;
}
} // namespace

namespace ExplainedGames {

bool firstTime(int gameNumber) {
    if (explained().contains(gameNumber)) return false;
    explained().insert(gameNumber);
    return true;
}

void forgetAll() {
    explained().clear();
}

} // namespace ExplainedGames
