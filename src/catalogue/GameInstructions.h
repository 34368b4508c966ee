// GameInstructions: the sound files that say each game's instruction and name, and each subject's name,
// under files/Instructions.
#pragma once

#include <QString>

#include "app/GameList.h"
#include "catalogue/HomeSubjects.h"

namespace GameInstructions {

// The folder under files/ that holds the sounds.
inline constexpr char Folder[] = "Instructions";

// "<name>.eda": the instruction spoken.
QString sentenceFile(const GameDescriptor& game);
// "<name> name.eda": the game's title spoken.
QString nameFile(const GameDescriptor& game);
// "subject <caption> us.eda" or "... uk.eda": the subject's name in the learner's English and voice.
QString subjectNameFile(const HomeSubject& subject, bool british);

} // namespace GameInstructions
