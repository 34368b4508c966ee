// Catalogue: the paths of subjects, pictures and sounds, with the file-name rules that turn them into words.
#pragma once

#include "catalogue/FileNames.h"

#include <QString>

namespace Catalogue {

// Whether a picture file name suits AppState::Language.
bool matchesLanguage(const QString& fileName);
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

} // namespace Catalogue
