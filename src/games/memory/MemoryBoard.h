// MemoryBoard: the memory game's board size; the rules, the window and the word-pack checker all read it.
#pragma once

namespace MemoryBoard {
inline constexpr int Rows = 2;
inline constexpr int Columns = 6;
inline constexpr int CardCount = Rows * Columns;
// Every word lies on two cards.
inline constexpr int PairCount = CardCount / 2;
// Fewer picture files than this and a game is not even tried.
inline constexpr int MinimumFiles = PairCount + 1;
} // namespace MemoryBoard
static_assert(MemoryBoard::CardCount % 2 == 0, "every card needs its twin");
