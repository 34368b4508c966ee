// SoundFiles: tells a sound file the program can play from anything else, by its content.
#include "audio/SoundFiles.h"

#include "audio/Mp3Frames.h"

#include <QFile>
#include <QFileInfo>

namespace SoundFiles {

bool isPlayable(const QByteArray& data, QString* error) {
    if (data.isEmpty()) {
        *error = QStringLiteral("the sound file is empty");
        return false;
    }
    if (data.startsWith("RIFF") && data.mid(8, 4) == "WAVE" && data.contains("fmt ") && data.contains("data"))
        return true;
    // The first Ogg page names its codec.
    if (data.startsWith("OggS") && (data.left(128).contains("\x01vorbis") || data.left(128).contains("OpusHead")))
        return true;
    double seconds = 0;
    QString why;
    if (Mp3Frames::duration(data, &seconds, &why) && seconds > 0) return true;
    *error = QStringLiteral("this file is not a sound the game can play (WAVE, Ogg or MP3)");
    return false;
}

QByteArray readPlayable(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("the sound file cannot be read");
        return {};
    }
    if (file.size() > MaxFileBytes) {
        *error = QStringLiteral("the sound file is too long for one word");
        return {};
    }
    QByteArray data = file.readAll();
    return isPlayable(data, error) ? data : QByteArray();
}

} // namespace SoundFiles
