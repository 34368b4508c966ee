// LearnersEnglish: whether the learner reads British English, and which sound file says a thing their way.
#pragma once

#include <QString>

// The language setting is British English.
bool britishEnglish();

// The folder beside the plain sounds that holds them as British English says them (in the British voice,
// "zed" for z).
inline constexpr char BritishSoundFolder[] = "uk";

// folder/uk/file for a British learner where the pack has it, else folder/file; names matched ignoring case.
QString soundInLearnersEnglish(const QString& folder, const QString& file);
