// RegisterGames: which window plays each row of the game list; the game menu and chooseSubject open them.
#include "games/RegisterGames.h"

#include "app/GameList.h"
#include "games/cards/CardsWindow.h"
#include "games/choose/ChooseWindow.h"
#include "games/hidden/HiddenWindow.h"
#include "games/listening/ListeningWindow.h"
#include "games/memory/MemoryWindow.h"
#include "games/mixed/MixedWindow.h"
#include "shell/GameTable.h"

namespace {
template <class Window>
void playedBy(const char* name) {
    const GameDescriptor* game = gameByName(name);
    if (game) GameTable::registerGame(game->number, [game] { return new Window(*game); });
}
} // namespace

void registerGames() {
    playedBy<ListeningWindow>("listening");
    playedBy<CardsWindow>("cards");
    playedBy<MemoryWindow>("memory");
    playedBy<ChooseWindow>("choose");
    playedBy<HiddenWindow>("hidden");
    playedBy<MixedWindow>("mixed");
}
