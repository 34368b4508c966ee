// GameInstructions: what each game asks of the child, in a child's words, and the sound files that say it.
#pragma once

#include <array>
#include <QString>

#include "app/GameList.h"

struct GameInstruction {
    int gameNumber;       // the game menu's picture index + 1
    const char* key;      // names the game's sound files
    const char* sentence; // what the game wants, shown in the game and spoken
};

namespace GameInstructions {

inline constexpr int Count = GameCount;
// The folder under files/ that holds the sounds.
inline constexpr char Folder[] = "Instructions";

const std::array<GameInstruction, Count>& all();
// The row of a game number, or null.
const GameInstruction* byNumber(int gameNumber);
// "<key>.eda": the sentence spoken.
QString sentenceFile(const GameInstruction& instruction);
// The game's name, shown and spoken on the game menu: its title in the game list.
QString name(const GameInstruction& instruction);
// "<key> name.eda": the name spoken.
QString nameFile(const GameInstruction& instruction);

} // namespace GameInstructions
