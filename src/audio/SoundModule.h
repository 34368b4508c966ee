// SoundModule: the sound module: word and letter files in one current-sound slot, and the built-in effects.
#pragma once

#include <QString>
#include <QStringList>

class SoundDevice;

// The device every operation talks to; the program installs the SDL device, tests a recording one.
// With none installed every operation is silent.
void setSoundDevice(SoundDevice* device);
SoundDevice* soundDevice();

// Starts a word or letter file in the background, replacing the current file sound and dropping any
// files still queued. Never lets pending events run: a click waits in the queue until the caller is done.
void playSoundFile(const QString& path);
// Plays the files one after another, each to its end, without blocking; a missing file is skipped. The
// next playSoundFile, sequence or cancelSoundQueue drops the files not yet started.
void playSoundFiles(const QStringList& paths);
// Drops the queued files; the one playing ends by itself.
void cancelSoundQueue();
qint32 soundPosition();
qint32 soundLength();
// Speaks files/Letters/<letter>.eda; an empty letter does nothing.
void playLetterSound(const QString& letter);
// Every letter of the text from files/Letters, one after the other, then the sound file thenPath (the
// word itself) when it is given.
void spellWord(const QString& text, const QString& thenPath = QString());
// Plays a built-in effect to its end.
void playResourceSound(const QString& name);

void playClick();
void playClickHome();
void playClickGame();
void playCorrect();
void playIncorrect();
void playCongrats();
void playLose();

// The device type a path is opened with, from its upper-cased last four characters; empty when the
// device should tell from the file itself.
QString soundTypeHint(const QString& path);
// The embedded WAVE image of an effect.
QString effectResourcePath(const QString& name);
// Every built-in effect, by resource name.
QStringList effectNames();
