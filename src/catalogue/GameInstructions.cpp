// GameInstructions: the six games' sentences; the word-pack tool speaks them into files/Instructions.
#include "catalogue/GameInstructions.h"

namespace GameInstructions {

const std::array<GameInstruction, Count>& all() {
    // Short enough to follow in one hearing, in words a four-year-old knows.
    static const std::array<GameInstruction, Count> rows = {{
        {1, "listening", "Listening", "Listen to the word, then click its picture."},
        {2, "cards", "Flash Cards", "Say what the picture is, then turn the card. Were you right? Click yes or no."},
        {3, "memory", "Memory", "Find two cards with the same picture."},
        {4, "words", "Words", "Look at the picture, then click its word."},
        {5, "hidden", "Hidden Words", "Guess the hidden word. Click the letters you think are in it."},
        {6, "mixed", "Mixed Up", "The letters are mixed up. Click them in the right order to make the word."},
    }};
    return rows;
}

const GameInstruction* byNumber(int gameNumber) {
    for (const GameInstruction& row : all())
        if (row.gameNumber == gameNumber) return &row;
    return nullptr;
}

QString sentenceFile(const GameInstruction& instruction) {
    return QLatin1String(instruction.key) + QStringLiteral(".eda");
}

QString nameFile(const GameInstruction& instruction) {
    return QLatin1String(instruction.key) + QStringLiteral(" name.eda");
}

} // namespace GameInstructions
