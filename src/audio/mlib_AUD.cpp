// mlib_AUD: the sound module over the installed sound device.
#include "audio/mlib_AUD.h"

#include "app/AppState.h"
#include "audio/AudioLog.h"
#include "audio/SoundDevice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

SoundDevice* currentDevice = nullptr;

std::function<void(bool)>& activeChildEnabler() {
    static std::function<void(bool)> enabler;
    return enabler;
}

// Finds an entry of a folder by name without regard to case, as the word material is named on a
// case-insensitive file system; the name as given when nothing matches.
QString entryIgnoringCase(const QString& folder, const QString& name) {
    const QString exact = folder + QLatin1Char('/') + name;
    if (QFileInfo::exists(exact)) return exact;
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return folder + QLatin1Char('/') + entry;
    }
    return exact;
}

QString letterSoundFile(const QString& letter) {
    const QString files = entryIgnoringCase(appState().ProgramFolder, QStringLiteral("files"));
    const QString letters = entryIgnoringCase(files, QStringLiteral("Letters"));
    return entryIgnoringCase(letters, letter + QStringLiteral(".eda"));
}

// Lets a handler run (a repaint, a second click) where the module yields; nothing without an event loop.
void letPendingEventsRun() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

} // namespace

void setSoundDevice(SoundDevice* device) {
    currentDevice = device;
}

SoundDevice* soundDevice() {
    return currentDevice;
}

void setActiveChildEnabler(std::function<void(bool)> enabler) {
    activeChildEnabler() = std::move(enabler);
}

QString SoundTypeHint(const QString& path) {
    const QString suffix = path.right(4).toUpper();
    if (suffix == QLatin1String(".WAV")) return QStringLiteral("Waveaudio");
    if (suffix == QLatin1String(".AVI")) return QStringLiteral("AviVideo");
    if (suffix == QLatin1String(".MID")) return QStringLiteral("Sequencer");
    if (suffix == QLatin1String(".EDA") || suffix == QLatin1String(".MP3") ||
        suffix == QLatin1String("MPEG") || suffix == QLatin1String(".MPG"))
        return QStringLiteral("MPEGVideo");
    return {};
}

void PlaySoundFile(const QString& path) {
    SoundDevice* device = currentDevice;
    if (!device) return;
    const QString hint = SoundTypeHint(path);
    // Only one file sound at a time: the old one stops even when the new one cannot be opened.
    device->close();
    if (!device->open(path, hint)) {
        qCWarning(lcAudio) << "cannot open sound" << path;
        return;
    }
    device->playFrom(GetSoundPosition());
    // Yield once, after the sound has started: the screen catches up before any effect the caller blocks
    // on next, and a handler run here that starts another sound replaces one that is already playing, so
    // the latest request is the one heard.
    letPendingEventsRun();
}

qint32 GetSoundPosition() {
    return currentDevice ? currentDevice->positionMs() : 0;
}

qint32 GetSoundLength() {
    return currentDevice ? currentDevice->lengthMs() : 0;
}

void PlayLetterSound(const QString& letter) {
    if (letter.isEmpty()) return;
    const std::function<void(bool)> enabler = activeChildEnabler();
    if (enabler) enabler(false);
    PlaySoundFile(letterSoundFile(letter));
    if (enabler) enabler(true);
}

void SpellWord(const QString& text) {
    for (const QChar c : text)
        PlayLetterSound(QString(c));
}

QString EffectResourcePath(const QString& name) {
    return QStringLiteral(":/effects/%1.wav").arg(name.toUpper());
}

void PlayResourceSound(const QString& name) {
    SoundDevice* device = currentDevice;
    if (!device) return;
    QFile resource(EffectResourcePath(name));
    if (!resource.open(QIODevice::ReadOnly)) {
        qCWarning(lcAudio) << "no effect named" << name;
        return;
    }
    const QByteArray wave = resource.readAll();
    if (!device->playWaveBlocking(wave)) qCDebug(lcAudio) << "effect skipped" << name;
}

void PlayClick() {
    PlayResourceSound(QStringLiteral("CLICK"));
}
void PlayClickHome() {
    PlayResourceSound(QStringLiteral("CLICKHOME"));
}
void PlayClickGame() {
    PlayResourceSound(QStringLiteral("CLICKGAME"));
}
void PlayCorrect() {
    PlayResourceSound(QStringLiteral("CORRECT"));
}
void PlayIncorrect() {
    PlayResourceSound(QStringLiteral("INCORRECT"));
}
void PlayCongrats() {
    PlayResourceSound(QStringLiteral("CONGRATS"));
}
void PlayLose() {
    PlayResourceSound(QStringLiteral("LOOSE"));
}

QStringList EffectNames() {
    return {QStringLiteral("CLICK"),   QStringLiteral("CLICKHOME"), QStringLiteral("CLICKGAME"),
            QStringLiteral("CORRECT"), QStringLiteral("INCORRECT"), QStringLiteral("CONGRATS"),
            QStringLiteral("LOOSE"),   QStringLiteral("WIN")};
}
