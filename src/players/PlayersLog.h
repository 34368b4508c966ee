// PlayersLog: the logging category of the players and their answer log.
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcPlayers)
