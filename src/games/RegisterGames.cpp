// RegisterGames: one line per game window; the game menu and SectionClick open them through the table.
#include "games/RegisterGames.h"

#include "games/cards/FlashCardsWindow.h"
#include "games/choose/ChooseWindow.h"
#include "games/hidden/HiddenLettersWindow.h"
#include "games/listening/ListeningWindow.h"
#include "games/memory/MemoryWindow.h"
#include "games/mixed/MixedLettersWindow.h"
#include "windows/GameTable.h"

void registerGames() {
    GameTable::registerGame(fgam_LIS::GameNumber, [] { return new fgam_LIS; });
    GameTable::registerGame(fgam_CRD::GameNumber, [] { return new fgam_CRD; });
    GameTable::registerGame(fgam_CHS::GameNumber, [] { return new fgam_CHS; });
    GameTable::registerGame(fgam_MEM::GameNumber, [] { return new fgam_MEM; });
    GameTable::registerGame(fgam_HID::GameNumber, [] { return new fgam_HID; });
    GameTable::registerGame(fgam_MIX::GameNumber, [] { return new fgam_MIX; });
}
