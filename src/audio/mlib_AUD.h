// mlib_AUD: the sound module: word and letter files in one current-sound slot, and the built-in effects.
#pragma once

#include <functional>
#include <QString>

class SoundDevice;

// The device every operation talks to; the program installs the SDL device, tests a recording one.
// With none installed every operation is silent.
void setSoundDevice(SoundDevice* device);
SoundDevice* soundDevice();

// Disables (false) and re-enables (true) the active game window around a letter sound; installed by the
// main window, empty in tests that do not care.
void setActiveChildEnabler(std::function<void(bool)> enabler);

void PlaySoundFile(const QString& path);
qint32 GetSoundPosition();
qint32 GetSoundLength();
void PlayLetterSound(const QString& letter);
void SpellWord(const QString& text);
void PlayResourceSound(const QString& name);

void PlayClick();
void PlayClickHome();
void PlayClickGame();
void PlayCorrect();
void PlayIncorrect();
void PlayCongrats();
void PlayLose();
