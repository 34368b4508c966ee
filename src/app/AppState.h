// AppState: the one application-wide record every part reads, and initGlobals that fills it.
#pragma once

#include <QDate>
#include <QString>

struct AppState {
    QString section;
    QString language;
    // The language chosen this run could not be stored: it holds over the stored one until the end.
    bool languageUnsaved = false;
    QString gameWord;
    QString registryBase;
    QString versionText;
    QString rightsText;
    double versionNumber = 0.0;
    QString creditsText;
    QString webBase;
    QString versionFileUrl;
    QString localVersionFile;
    QString updatePageUrl;
    QString socialPageUrl;
    QString contactAddress;
    // Folder of the executable, without a trailing separator; files/ lies beside it.
    QString programFolder;
};

namespace AppIdentity {
inline constexpr const char* Title = "Lexikite";
inline constexpr const char* CompanyName = "Brightmoor Learning";
inline constexpr int VersionMajor = LEXIKITE_VERSION_MAJOR;
inline constexpr int VersionMinor = LEXIKITE_VERSION_MINOR;
inline constexpr int VersionRevision = LEXIKITE_VERSION_PATCH;
// The speech synthesiser that speaks the default words and letters, as the credits name it.
inline constexpr const char* SpeechSynthesiser = "Flite";
inline constexpr const char* SpeechSynthesiserHome = "http://cmuflite.org";
} // namespace AppIdentity

// The running program's record.
AppState& appState();

// Fills the fields initGlobals owns; the clock and folder are parameters so tests can fix them.
void initGlobals(AppState& state, const QString& programFolder, const QDate& today);
void initGlobals();

// The web base: the environment variable LEXIKITE_WEB_BASE, else the build's default; always ends in "/".
QString webBaseAddress();
