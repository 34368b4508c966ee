// AppState: the application record and its start-up values.
#include "app/AppState.h"

#include <QCoreApplication>
#include <QDir>

namespace {
// Where the default word material comes from: the emoji artwork (CC-BY 4.0), its package, its licence,
// and the speech synthesiser that speaks every word.
const char* const PictureCollections[] = {
    "https://github.com/jdecked/twemoji",
    "https://www.npmjs.com/package/@twemoji/svg",
    "https://creativecommons.org/licenses/by/4.0/",
    "https://github.com/espeak-ng/espeak-ng",
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

void InitGlobals(AppState& s, const QString& programFolder, const QDate& today) {
    s.WebBase = webBaseAddress();
    const QString company = QLatin1String(AppIdentity::CompanyName);
    const QString year = today.toString(QStringLiteral("yyyy"));
    s.RightsText = QStringLiteral("Copyright © %1 %2").arg(year, company);
    s.VersionNumber =
        QStringLiteral("%1.%2").arg(AppIdentity::VersionMajor).arg(AppIdentity::VersionMinor).toDouble();
    s.VersionText = QStringLiteral("Version: %1.%2%3")
                        .arg(AppIdentity::VersionMajor)
                        .arg(AppIdentity::VersionMinor)
                        .arg(AppIdentity::VersionRevision);
    s.RegistryBase = QStringLiteral("SOFTWARE\\%1\\").arg(QLatin1String(AppIdentity::Title));
    QString folder = programFolder;
    while (folder.size() > 1 && (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\'))))
        folder.chop(1);
    s.ProgramFolder = folder;
    s.LocalVersionFile = folder + QStringLiteral("/lkvers.txt");
    s.VersionFileUrl = s.WebBase + QStringLiteral("kite-soft/lkvers.txt");
    s.CreditsText =
        QStringLiteral(
            "Many of the photographs have been taken by myself but there are also numerous pictures "
            "from other people. A big thank you to %1, %2, %3 and %4 for such wonderful images. "
            "Without their skills, this program simply would not be the same. The style and "
            "technique in capturing some amazing photos is shown many times over. Again, a big "
            "thank you to all of you.")
            .arg(QLatin1String(PictureCollections[0]), QLatin1String(PictureCollections[1]),
                 QLatin1String(PictureCollections[2]), QLatin1String(PictureCollections[3]));
    // Our own address: a page on someone else's network could later belong to anyone.
    s.SocialPageUrl = s.WebBase + QStringLiteral("community/");
    s.ContactAddress = QStringLiteral("hello@brightmoor-learning.example");
    s.UpdatePageUrl = s.WebBase + QStringLiteral("update/1501-810.html");
}

void InitGlobals() {
    InitGlobals(appState(), QCoreApplication::applicationDirPath(), QDate::currentDate());
}
