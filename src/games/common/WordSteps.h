// WordSteps: the single steps that turn a picture file name into a word, for the games that apply them in
// their own order.
#pragma once

#include <QString>

namespace WordSteps {

// All but the last four characters (the ".edi" extension).
QString cutExtension(const QString& name);
// Every " type_uk" and every " type_us" removed (exact, case-sensitive).
QString removeVariantTags(const QString& text);
// The ordering prefix dropped (two characters and a blank, such as "01 "; see Catalogue::dropOrderPrefix).
QString dropOrderPrefix(const QString& text);

// The word the letter games (hidden and mixed letters) and the memory game make of a file name: the
// extension cut, the variant tags removed, then the ordering prefix dropped.
QString puzzleWord(const QString& name);

} // namespace WordSteps
