// mlib_AUD: the sound module: word and letter files in one current-sound slot, and the built-in effects.
#pragma once

#include <functional>
#include <QString>
#include <QStringList>

class SoundDevice;

// The device every operation talks to; the program installs the SDL device, tests a recording one.
// With none installed every operation is silent.
void setSoundDevice(SoundDevice* device);
SoundDevice* soundDevice();

// Disables (false) and re-enables (true) the active game window around a letter sound; installed by the
// main window, empty in tests that do not care. Pending events run between the two calls, so the active
// child may have changed or closed by then: re-enable the window that was disabled (keep it in a
// QPointer), not whichever is active at that moment.
void setActiveChildEnabler(std::function<void(bool)> enabler);

// Starts a word or letter file in the background, replacing the current file sound.
void PlaySoundFile(const QString& path);
qint32 GetSoundPosition();
qint32 GetSoundLength();
// Speaks files/Letters/<letter>.eda; an empty letter does nothing.
void PlayLetterSound(const QString& letter);
void SpellWord(const QString& text);
// Plays a built-in effect to its end.
void PlayResourceSound(const QString& name);

void PlayClick();
void PlayClickHome();
void PlayClickGame();
void PlayCorrect();
void PlayIncorrect();
void PlayCongrats();
void PlayLose();

// The device type a path is opened with, from its upper-cased last four characters; empty when the
// device should tell from the file itself.
QString SoundTypeHint(const QString& path);
// The embedded WAVE image of an effect.
QString EffectResourcePath(const QString& name);
// Every built-in effect, by resource name.
QStringList EffectNames();
