// Catalogue: the rules that turn the files folder into words, and the paths of subjects, pictures and sounds.
#pragma once

#include <QString>
#include <QStringList>

namespace Catalogue {

// Whether a picture file name suits the given language ("BRITISH" or anything else = American).
bool IsLanguageMatch(const QString& fileName, const QString& language);
// Same, for AppState::Language.
bool IsLanguageMatch(const QString& fileName);
// The word a picture file name shows: extension (last four characters) cut, tags removed, prefix dropped.
QString WordFromFileName(const QString& fileName);
// The file name up to, not including, its first ".".
QString PictureKey(const QString& fileName);
// The word from a PictureKey start (tags removed, prefix dropped).
QString WordFromPictureKey(const QString& key);

// files/ beside the program.
QString filesFolder();
// files/<subject>, resolved case-insensitively on disk when the exact name is absent.
QString subjectFolder(const QString& subject);
// files/<subject>/<word>.eda (resolved case-insensitively when present under another case).
QString wordSoundPath(const QString& subject, const QString& word);
// files/Letters/<letter>.eda; the letter is used unchanged.
QString letterSoundPath(const QString& letter);

// Resolves each component of a path case-insensitively where the exact name does not exist. From the first
// component found under no case on, the rest is kept as given.
QString resolvePath(const QString& path);

// The "*.edi" files of a folder (names only, hidden files left out), extension matched without regard to
// case, ordered by name case-insensitively. A missing folder gives an empty list.
QStringList listPictures(const QString& folder);

} // namespace Catalogue
