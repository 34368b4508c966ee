// GamesLog: the logging category of the games.
#include "games/common/GamesLog.h"

Q_LOGGING_CATEGORY(lcGames, "lexikite.games")
