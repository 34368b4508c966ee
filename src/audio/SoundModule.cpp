// SoundModule: the sound module over the installed sound device.
#include "audio/SoundModule.h"

#include "app/AppState.h"
#include "app/LearnersEnglish.h"
#include "audio/AudioLog.h"
#include "audio/SoundDevice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

SoundDevice* currentDevice = nullptr;
// Files of a sequence still to be played.
QStringList queuedFiles;
bool filePlaying = false;

QString letterSoundFile(const QString& letter) {
    return soundInLearnersEnglish(appState().programFolder + QStringLiteral("/files/Letters"),
                                  letter + QStringLiteral(".eda"));
}

bool startFile(const QString& path) {
    SoundDevice* device = currentDevice;
    if (!device) return false;
    // Only one file sound at a time: the old one stops even when the new one cannot be opened.
    device->close();
    filePlaying = false;
    if (!device->open(path, soundTypeHint(path))) {
        qCWarning(lcAudio) << "cannot open sound" << path;
        return false;
    }
    filePlaying = device->playFrom(soundPosition());
    qCDebug(lcAudio) << "plays" << path;
    return filePlaying;
}

void playNextQueued() {
    filePlaying = false;
    while (!queuedFiles.isEmpty())
        if (startFile(queuedFiles.takeFirst())) return;
}

} // namespace

void setSoundDevice(SoundDevice* device) {
    if (currentDevice) currentDevice->setFinishedHandler({});
    queuedFiles.clear();
    filePlaying = false;
    currentDevice = device;
    if (currentDevice) currentDevice->setFinishedHandler(playNextQueued);
}

SoundDevice* soundDevice() {
    return currentDevice;
}

QString soundTypeHint(const QString& path) {
    const QString suffix = path.right(4).toUpper();
    if (suffix == QLatin1String(".WAV")) return QStringLiteral("Waveaudio");
    if (suffix == QLatin1String(".AVI")) return QStringLiteral("AviVideo");
    if (suffix == QLatin1String(".MID")) return QStringLiteral("Sequencer");
    if (suffix == QLatin1String(".EDA") || suffix == QLatin1String(".MP3") ||
        suffix == QLatin1String("MPEG") || suffix == QLatin1String(".MPG"))
        return QStringLiteral("MPEGVideo");
    return {};
}

void playSoundFile(const QString& path) {
    queuedFiles.clear();
    startFile(path);
}

void playSoundFiles(const QStringList& paths) {
    queuedFiles = paths;
    playNextQueued();
}

void cancelSoundQueue() {
    queuedFiles.clear();
}

void queueSoundFile(const QString& path) {
    if (filePlaying) {
        queuedFiles.append(path);
        return;
    }
    queuedFiles = {path};
    playNextQueued();
}

bool soundFilePlaying() {
    return filePlaying;
}

qint32 soundPosition() {
    return currentDevice ? currentDevice->positionMs() : 0;
}

qint32 soundLength() {
    return currentDevice ? currentDevice->lengthMs() : 0;
}

void playLetterSound(const QString& letter) {
    if (letter.isEmpty()) return;
    playSoundFile(letterSoundFile(letter));
}

void spellWord(const QString& text, const QString& thenPath) {
    QStringList files;
    for (const QChar c : text)
        files << letterSoundFile(QString(c));
    if (!thenPath.isEmpty()) files << thenPath;
    if (!files.isEmpty()) playSoundFiles(files);
}

QString effectResourcePath(const QString& name) {
    return QStringLiteral(":/effects/%1.wav").arg(name.toUpper());
}

void playResourceSound(const QString& name) {
    SoundDevice* device = currentDevice;
    if (!device) return;
    QFile resource(effectResourcePath(name));
    if (!resource.open(QIODevice::ReadOnly)) {
        qCWarning(lcAudio) << "no effect named" << name;
        return;
    }
    const QByteArray wave = resource.readAll();
    if (!device->playWaveBlocking(wave)) qCDebug(lcAudio) << "effect skipped" << name;
}

void playClick() {
    playResourceSound(QStringLiteral("CLICK"));
}
void playClickHome() {
    playResourceSound(QStringLiteral("CLICKHOME"));
}
void playClickGame() {
    playResourceSound(QStringLiteral("CLICKGAME"));
}
void playCorrect() {
    playResourceSound(QStringLiteral("CORRECT"));
}
void playIncorrect() {
    playResourceSound(QStringLiteral("INCORRECT"));
}
void playCongrats() {
    playResourceSound(QStringLiteral("CONGRATS"));
}
void playLose() {
    playResourceSound(QStringLiteral("LOOSE"));
}

QStringList effectNames() {
    return {QStringLiteral("CLICK"),   QStringLiteral("CLICKHOME"), QStringLiteral("CLICKGAME"),
            QStringLiteral("CORRECT"), QStringLiteral("INCORRECT"), QStringLiteral("CONGRATS"),
            QStringLiteral("LOOSE"),   QStringLiteral("WIN")};
}
