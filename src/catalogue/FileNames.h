// FileNames: how picture file names become words and which English they suit; Qt Core only, so the
// word-pack tool checks a pack by the very rules the games play it by.
#pragma once

#include <QString>
#include <QStringList>

namespace Catalogue {

// The tags that mark a picture as British- or American-only; matched with their blank and case.
inline const QString BritishTag = QStringLiteral(" type_uk");
inline const QString AmericanTag = QStringLiteral(" type_us");

// Whether a picture file name suits the given language ("BRITISH" or anything else = American).
bool matchesLanguage(const QString& fileName, const QString& language);
// The text without its ordering prefix: two characters and a blank ("01 "), recognised by the blank alone.
QString dropOrderPrefix(const QString& text);
// The word a picture file name shows: extension (last four characters) cut, tags removed, prefix dropped.
QString wordFromFileName(const QString& fileName);
// The picture of a word among file names: the one whose word it is ("fly", not "butterfly"), else the
// first name that contains it; empty when none does.
QString pictureNamingWord(const QStringList& fileNames, const QString& word);
// The file name up to, not including, its first ".".
QString pictureKey(const QString& fileName);
// The word from a pictureKey start (tags removed, prefix dropped).
QString wordFromPictureKey(const QString& key);

// The "*.edi" files of a folder (names only, hidden files left out), extension matched without regard to
// case, ordered by name case-insensitively. The folder is found without regard to case; a missing folder
// gives an empty list.
QStringList listPictures(const QString& folder);

} // namespace Catalogue
