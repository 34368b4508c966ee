// OggEncoder: stores a recorded voice as Ogg Vorbis, which SDL_mixer plays and which keeps a word small.
#pragma once

#include "audio/Pcm.h"

#include <QByteArray>
#include <QString>

namespace OggEncoder {

// The whole Ogg Vorbis file of the sound; empty when the encoder refuses it.
QByteArray encode(const Pcm& pcm);
// encode() written through a temporary name, so the path never holds half a sound.
bool write(const Pcm& pcm, const QString& path, QString* error);

} // namespace OggEncoder
