// ExplainedGames: which games have told the child what to do since the program started.
#pragma once

namespace ExplainedGames {

// True the first time a game asks after the program starts, false after that.
bool firstTime(int gameNumber);
// As after a new start (tests).
void forgetAll();

} // namespace ExplainedGames
