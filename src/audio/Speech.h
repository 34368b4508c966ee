// Speech: speaks a text with the Flite synthesiser and encodes sounds to MP3 with lame (blocking; safe in worker threads).
#pragma once

#include "Pcm.h"

#include <QString>

namespace Speech {

// The tool's voice names: "en-us" speaks plain and American words and the letters, "en-gb" British ones.
bool isVoice(const QString& voice);

bool speak(const QString& text, const QString& voice, Pcm* pcm, QString* error);
// Writes the MP3 to a temporary name beside the target and renames it, so a target is never half written.
bool encodeMp3(const Pcm& pcm, const QString& path, QString* error);
// Speaks, trims, levels and encodes one word or letter.
bool makeWordSound(const QString& text, const QString& voice, const QString& path, QString* error);

} // namespace Speech
