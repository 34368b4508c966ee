// Catalogue: where the program's files folder, subjects and sounds are, found without regard to case.
#include "catalogue/Catalogue.h"

#include "app/AppState.h"
#include "app/LearnersEnglish.h"
#include "app/PathIgnoringCase.h"
#include "catalogue/CatalogueLog.h"
#include "catalogue/GameInstructions.h"
#include "catalogue/UserWords.h"

#include <QFileInfo>

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

QStringList subjectFolders(const QString& subject) {
    return {subjectFolder(subject), UserWords::subjectFolder(userWordsFolder(), subject)};
}

QString userWordsFolder() {
    return UserWords::folder();
}

QString picturePath(const QString& subject, const QString& fileName) {
    const QString own = resolvePath(UserWords::subjectFolder(userWordsFolder(), subject) + u'/' + fileName);
    return QFileInfo::exists(own) ? own : resolvePath(subjectFolder(subject) + u'/' + fileName);
}

QString wordSoundPath(const QString& subject, const QString& word) {
    const QString own = resolvePath(UserWords::subjectFolder(userWordsFolder(), subject) + u'/' + word +
                                    QStringLiteral(".eda"));
    if (QFileInfo::exists(own)) return own;
    return resolvePath(appState().programFolder + QStringLiteral("/files/") + subject + QLatin1Char('/') +
                       word + QStringLiteral(".eda"));
}

QString letterSoundPath(const QString& letter) {
    return soundInLearnersEnglish(appState().programFolder + QStringLiteral("/files/Letters"),
                                  letter + QStringLiteral(".eda"));
}

QString instructionSoundPath(const QString& fileName) {
    return soundInLearnersEnglish(
        appState().programFolder + QStringLiteral("/files/") + QLatin1String(GameInstructions::Folder), fileName);
}

QString resolvePath(const QString& path) {
    return resolvePathIgnoringCase(path);
}

} // namespace Catalogue
