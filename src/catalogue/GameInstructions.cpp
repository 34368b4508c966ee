// GameInstructions: the names of the instruction sounds the word-pack tool speaks into files/Instructions.
#include "catalogue/GameInstructions.h"

namespace GameInstructions {

QString sentenceFile(const GameDescriptor& game) {
    return QLatin1String(game.name) + QStringLiteral(".eda");
}

QString nameFile(const GameDescriptor& game) {
    return QLatin1String(game.name) + QStringLiteral(" name.eda");
}

QString subjectNameFile(const HomeSubject& subject, bool british) {
    return QStringLiteral("subject ") + QLatin1String(subjectCaption(subject, british)) +
           (british ? QStringLiteral(" uk.eda") : QStringLiteral(" us.eda"));
}

} // namespace GameInstructions
