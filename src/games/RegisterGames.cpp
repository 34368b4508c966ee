// RegisterGames: one line per game window; the game menu and chooseSubject open them through the table.
#include "games/RegisterGames.h"

#include "games/cards/FlashCardsWindow.h"
#include "games/choose/ChooseWindow.h"
#include "games/hidden/HiddenLettersWindow.h"
#include "games/listening/ListeningWindow.h"
#include "games/memory/MemoryWindow.h"
#include "games/mixed/MixedLettersWindow.h"
#include "shell/GameTable.h"

void registerGames() {
    GameTable::registerGame(ListeningWindow::GameNumber, [] { return new ListeningWindow; });
    GameTable::registerGame(FlashCardsWindow::GameNumber, [] { return new FlashCardsWindow; });
    GameTable::registerGame(ChooseWindow::GameNumber, [] { return new ChooseWindow; });
    GameTable::registerGame(MemoryWindow::GameNumber, [] { return new MemoryWindow; });
    GameTable::registerGame(HiddenLettersWindow::GameNumber, [] { return new HiddenLettersWindow; });
    GameTable::registerGame(MixedLettersWindow::GameNumber, [] { return new MixedLettersWindow; });
}
