// Catalogue: where the program's files folder, subjects and sounds are, found without regard to case.
#include "catalogue/Catalogue.h"

#include "app/AppState.h"
#include "app/PathIgnoringCase.h"
#include "catalogue/CatalogueLog.h"
#include "catalogue/GameInstructions.h"

Q_LOGGING_CATEGORY(lcCatalogue, "lexikite.catalogue")

namespace Catalogue {

bool IsLanguageMatch(const QString& fileName) {
    return IsLanguageMatch(fileName, appState().Language);
}

QString filesFolder() {
    return resolvePath(appState().ProgramFolder + QStringLiteral("/files"));
}

QString subjectFolder(const QString& subject) {
    return resolvePath(appState().ProgramFolder + QStringLiteral("/files/") + subject);
}

QString wordSoundPath(const QString& subject, const QString& word) {
    return resolvePath(appState().ProgramFolder + QStringLiteral("/files/") + subject + QLatin1Char('/') +
                       word + QStringLiteral(".eda"));
}

QString letterSoundPath(const QString& letter) {
    return resolvePath(appState().ProgramFolder + QStringLiteral("/files/Letters/") + letter +
                       QStringLiteral(".eda"));
}

QString instructionSoundPath(const QString& fileName) {
    return resolvePath(appState().ProgramFolder + QStringLiteral("/files/") +
                       QLatin1String(GameInstructions::Folder) + QLatin1Char('/') + fileName);
}

QString resolvePath(const QString& path) {
    return resolvePathIgnoringCase(path);
}

} // namespace Catalogue
