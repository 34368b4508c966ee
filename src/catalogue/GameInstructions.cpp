// GameInstructions: the names of the instruction sounds the word-pack tool speaks into files/Instructions.
#include "catalogue/GameInstructions.h"

namespace GameInstructions {

QString sentenceFile(const GameDescriptor& game) {
    return QLatin1String(game.name) + QStringLiteral(".eda");
}

QString nameFile(const GameDescriptor& game) {
    return QLatin1String(game.name) + QStringLiteral(" name.eda");
}

} // namespace GameInstructions
