// PlayersLog: the logging category of the players and their answer log.
#include "players/PlayersLog.h"

Q_LOGGING_CATEGORY(lcPlayers, "lexikite.players")
