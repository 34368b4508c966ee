// Catalogue: where the program's files folder, subjects and sounds are, found without regard to case.
#include "catalogue/Catalogue.h"

#include "app/AppState.h"
#include "app/PathIgnoringCase.h"
#include "catalogue/CatalogueLog.h"

Q_LOGGING_CATEGORY(lcCatalogue, "lexikite.catalogue")

namespace Catalogue {

bool matchesLanguage(const QString& fileName) {
    return matchesLanguage(fileName, appState().language);
}

QString filesFolder() {
    return resolvePath(appState().programFolder + QStringLiteral("/files"));
}

QString subjectFolder(const QString& subject) {
    return resolvePath(appState().programFolder + QStringLiteral("/files/") + subject);
}

QString wordSoundPath(const QString& subject, const QString& word) {
    return resolvePath(appState().programFolder + QStringLiteral("/files/") + subject + QLatin1Char('/') +
                       word + QStringLiteral(".eda"));
}

QString letterSoundPath(const QString& letter) {
    return resolvePath(appState().programFolder + QStringLiteral("/files/Letters/") + letter +
                       QStringLiteral(".eda"));
}

QString resolvePath(const QString& path) {
    return resolvePathIgnoringCase(path);
}

} // namespace Catalogue
