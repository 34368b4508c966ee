// WordRules: how the games read picture file names, and which words a game can play.
// A local copy of the catalogue's rules, so the word-pack tool builds without the program's library.
#pragma once

#include <QString>
#include <QStringList>

namespace WordRules {

inline const QString kBritishTag = QStringLiteral(" type_uk");
inline const QString kAmericanTag = QStringLiteral(" type_us");
// The mixed-letters game has one tile per character and 26 tiles.
constexpr int kMaxWordLength = 26;

// Whether a picture file suits British (true) or American (false) English.
bool isLanguageMatch(const QString& fileName, bool british);
// The word a picture file name shows: extension cut, tags removed, a two-character ordering prefix dropped.
QString wordFromFileName(const QString& fileName);
// Why a game cannot play this word, or an empty text when it can.
QString unplayableReason(const QString& word);
// The "*.edi" names of a folder in the order the program lists them (by name, ignoring case).
QStringList listPictures(const QString& folder);

} // namespace WordRules
