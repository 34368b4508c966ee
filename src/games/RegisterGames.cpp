// RegisterGames: one line per game window; the game menu and SectionClick open them through the table.
#include "games/RegisterGames.h"

#include "games/cards/fgam_CRD.h"
#include "games/choose/fgam_CHS.h"
#include "games/listening/fgam_LIS.h"
#include "windows/GameTable.h"

void registerGames() {
    GameTable::registerGame(fgam_LIS::GameNumber, [] { return new fgam_LIS; });
    GameTable::registerGame(fgam_CRD::GameNumber, [] { return new fgam_CRD; });
    GameTable::registerGame(fgam_CHS::GameNumber, [] { return new fgam_CHS; });
}
