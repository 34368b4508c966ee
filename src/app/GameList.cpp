// GameList: the fixed rows of the six games.
#include "app/GameList.h"

const std::array<GameListing, GameCount> GameList = {{
    {1, "ListeningWindow", "Listening", {825, 2760, 1605, 645}},
    {2, "FlashCardsWindow", "Flash Cards", {2865, 4770, 2505, 660}},
    {3, "MemoryWindow", "Memory", {5580, 2040, 1680, 915}},
    {4, "ChooseWindow", "Words", {7860, 4425, 2535, 885}},
    {5, "HiddenLettersWindow", "Hidden Words", {9630, 2970, 2865, 705}},
    {6, "MixedLettersWindow", "Mixed Up", {12750, 4680, 2145, 675}},
}};
