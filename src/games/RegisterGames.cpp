// RegisterGames: one line per game window; the game menu and SectionClick open them through the table.
#include "games/RegisterGames.h"

#include "games/cards/fgam_CRD.h"
#include "games/choose/fgam_CHS.h"
#include "games/hidden/fgam_HID.h"
#include "games/listening/fgam_LIS.h"
#include "games/memory/fgam_MEM.h"
#include "games/mixed/fgam_MIX.h"
#include "windows/GameTable.h"

void registerGames() {
    GameTable::registerGame(fgam_LIS::GameNumber, [] { return new fgam_LIS; });
    GameTable::registerGame(fgam_CRD::GameNumber, [] { return new fgam_CRD; });
    GameTable::registerGame(fgam_CHS::GameNumber, [] { return new fgam_CHS; });
    GameTable::registerGame(fgam_MEM::GameNumber, [] { return new fgam_MEM; });
    GameTable::registerGame(fgam_HID::GameNumber, [] { return new fgam_HID; });
    GameTable::registerGame(fgam_MIX::GameNumber, [] { return new fgam_MIX; });
}
