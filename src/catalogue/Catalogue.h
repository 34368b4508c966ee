// Catalogue: the paths of subjects, pictures and sounds, with the file-name rules that turn them into words.
#pragma once

#include "catalogue/FileNames.h"

#include <QString>
#include <QStringList>

namespace Catalogue {

// Whether a picture file name suits the record's language.
bool matchesLanguage(const QString& fileName);
// files/ beside the program.
QString filesFolder();
// files/<subject>, resolved case-insensitively on disk when the exact name is absent.
QString subjectFolder(const QString& subject);
// The folders a subject's words come from: files/<subject>, then the grown-up's own words of it.
QStringList subjectFolders(const QString& subject);
// The grown-up's own words: $XDG_DATA_HOME/lexikite/words.
QString userWordsFolder();
// A picture file of a subject: the grown-up's own when there is one, else the default pack's.
QString picturePath(const QString& subject, const QString& fileName);
// The word's sound: the grown-up's own <word>.eda when there is one, else files/<subject>/<word>.eda (each
// resolved case-insensitively when present under another case).
QString wordSoundPath(const QString& subject, const QString& word);
// files/Letters/<letter>.eda; the letter is used unchanged.
QString letterSoundPath(const QString& letter);
// files/Instructions/<fileName> (a game's spoken instruction or name).
QString instructionSoundPath(const QString& fileName);

// Resolves each component of a path case-insensitively where the exact name does not exist. From the first
// component found under no case on, the rest is kept as given.
QString resolvePath(const QString& path);

} // namespace Catalogue
