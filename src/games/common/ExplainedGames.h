// ExplainedGames: which games have told each child what to do since the program started.
#pragma once

namespace ExplainedGames {

// True the first time a game asks for this player after the program starts, false after that.
bool firstTime(int player, int gameNumber);
// As after a new start (tests).
void forgetAll();

} // namespace ExplainedGames
