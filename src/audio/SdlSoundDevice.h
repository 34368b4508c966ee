// SdlSoundDevice: the program's sound device on SDL2_mixer: the music slot is the current file sound.
#pragma once

#include "audio/SoundDevice.h"

#include <QElapsedTimer>

struct _Mix_Music;

class SdlSoundDevice final : public SoundDevice {
public:
    // Opens the system's audio output, or SDL's silent dummy driver when there is none. One device at a
    // time: SDL_mixer has one music slot per process, so a second live instance stays silent.
    SdlSoundDevice();
    ~SdlSoundDevice() override;
    SdlSoundDevice(const SdlSoundDevice&) = delete;
    SdlSoundDevice& operator=(const SdlSoundDevice&) = delete;

    // False when not even the dummy driver could be opened; every operation is then silent.
    bool isReady() const { return ready_; }
    // The SDL audio driver in use ("pulseaudio", "alsa", "dummy", ...).
    QString driverName() const { return driver_; }

    void close() override;
    bool open(const QString& path, const QString& typeHint) override;
    bool playFrom(qint32 positionMs) override;
    qint32 lengthMs() override;
    qint32 positionMs() override;
    bool playWaveBlocking(const QByteArray& wave) override;

private:
    bool openOutput();

    bool owner_ = false;
    bool ready_ = false;
    QString driver_;
    _Mix_Music* music_ = nullptr;
    // For decoders that cannot tell their position: where playback started and when.
    QElapsedTimer playClock_;
    qint32 playStartMs_ = 0;
};
