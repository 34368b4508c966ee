// Speech: speaks a text with espeak-ng and encodes sounds to MP3 with lame (blocking; safe in worker threads).
#pragma once

#include "Pcm.h"

#include <QString>

namespace Speech {

// Speaking rate in words per minute: a little slower than the synthesiser's default, for children.
constexpr int kWordsPerMinute = 140;

bool speak(const QString& text, const QString& voice, Pcm* pcm, QString* error);
// Writes the MP3 to a temporary name beside the target and renames it, so a target is never half written.
bool encodeMp3(const Pcm& pcm, const QString& path, QString* error);
// Speaks, trims, levels and encodes one word or letter.
bool makeWordSound(const QString& text, const QString& voice, const QString& path, QString* error);

} // namespace Speech
