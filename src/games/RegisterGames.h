// RegisterGames: puts the game windows into the game table at start-up.
#pragma once

void registerGames();
