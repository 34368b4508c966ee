// GameInstructions: the six games' sentences; the word-pack tool speaks them into files/Instructions.
#include "catalogue/GameInstructions.h"

namespace GameInstructions {

const std::array<GameInstruction, Count>& all() {
    // Short enough to follow in one hearing, in words a four-year-old knows.
    static const std::array<GameInstruction, Count> rows = {{
        {1, "listening", "Listen to the word, then click its picture."},
        {2, "cards", "Say what the picture is, then turn the card. Were you right? Click yes or no."},
        {3, "memory", "Find two cards with the same picture."},
        {4, "words", "Look at the picture, then click its word."},
        {5, "hidden", "Guess the hidden word. Click the letters you think are in it."},
        {6, "mixed", "The letters are mixed up. Click them in the right order to make the word."},
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

QString name(const GameInstruction& instruction) {
    for (const GameListing& game : GameList)
        if (game.number == instruction.gameNumber) return QLatin1String(game.title);
    return {};
}

QString nameFile(const GameInstruction& instruction) {
    return QLatin1String(instruction.key) + QStringLiteral(" name.eda");
}

} // namespace GameInstructions
