// SoundFiles: tells a sound file the program can play from anything else, by its content.
#pragma once

#include <QByteArray>
#include <QString>

namespace SoundFiles {

// A word is a second or two; a bigger file is no word sound.
inline constexpr qint64 MaxFileBytes = 8 * 1024 * 1024;

// Whether the data is a whole sound in a format the program plays (WAVE, Ogg Vorbis or Opus, MP3); when it is
// not, says why in words a grown-up understands.
bool isPlayable(const QByteArray& data, QString* error);
// Reads a file and checks it with isPlayable(); the data when it is a sound, else empty.
QByteArray readPlayable(const QString& path, QString* error);

} // namespace SoundFiles
