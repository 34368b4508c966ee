// AppState: the application record and its start-up values.
#include "app/AppState.h"

#include <QCoreApplication>
#include <QDir>

namespace {
// Where the default pictures come from: the emoji artwork (CC-BY 4.0), its package and its licence.
const char* const PictureSources[] = {
    "https://github.com/jdecked/twemoji",
    "https://www.npmjs.com/package/@twemoji/svg",
    "https://creativecommons.org/licenses/by/4.0/",
};
} // namespace

AppState& appState() {
    static AppState state;
    return state;
}

QString webBaseAddress() {
    QString base = qEnvironmentVariable("LEXIKITE_WEB_BASE");
    if (base.isEmpty()) base = QStringLiteral(LEXIKITE_WEB_BASE_DEFAULT);
    if (!base.endsWith(QLatin1Char('/'))) base += QLatin1Char('/');
    return base;
}

void initGlobals(AppState& s, const QString& programFolder, const QDate& today) {
    s.webBase = webBaseAddress();
    s.languageUnsaved = false;
    const QString company = QLatin1String(AppIdentity::CompanyName);
    const QString year = today.toString(QStringLiteral("yyyy"));
    s.rightsText = QStringLiteral("Copyright © %1 %2").arg(year, company);
    s.versionNumber =
        QStringLiteral("%1.%2").arg(AppIdentity::VersionMajor).arg(AppIdentity::VersionMinor).toDouble();
    s.versionText = QStringLiteral("Version: %1.%2%3")
                        .arg(AppIdentity::VersionMajor)
                        .arg(AppIdentity::VersionMinor)
                        .arg(AppIdentity::VersionRevision);
    s.registryBase = QStringLiteral("SOFTWARE\\%1\\").arg(QLatin1String(AppIdentity::Title));
    QString folder = programFolder;
    while (folder.size() > 1 && (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\'))))
        folder.chop(1);
    s.programFolder = folder;
    s.localVersionFile = folder + QStringLiteral("/lkvers.txt");
    s.versionFileUrl = s.webBase + QStringLiteral("kite-soft/lkvers.txt");
    // Only what is true of the default material: drawings, not photographs, and a computer voice.
    s.creditsText =
        QStringLiteral(
            "The pictures are drawings: most are made from the Twemoji artwork, the rest are our own. "
            "The words and letters are spoken by a computer voice, the %5 speech synthesiser. A big thank "
            "you to %1, %2, %3 and %4 for such wonderful work, freely shared. Without it, this program "
            "simply would not be the same.")
            .arg(QLatin1String(PictureSources[0]), QLatin1String(PictureSources[1]),
                 QLatin1String(PictureSources[2]), QLatin1String(AppIdentity::SpeechSynthesiserHome),
                 QLatin1String(AppIdentity::SpeechSynthesiser));
    // Our own address: a page on someone else's network could later belong to anyone.
    s.socialPageUrl = s.webBase + QStringLiteral("community/");
    s.contactAddress = QStringLiteral("hello@brightmoor-learning.example");
    s.updatePageUrl = s.webBase + QStringLiteral("update/1501-810.html");
}

void initGlobals() {
    initGlobals(appState(), QCoreApplication::applicationDirPath(), QDate::currentDate());
}
