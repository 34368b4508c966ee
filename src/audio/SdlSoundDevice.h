// SdlSoundDevice: the program's sound device on SDL2_mixer: the music slot is the current file sound.
#pragma once

#include "audio/SoundDevice.h"

#include <QElapsedTimer>

#include <memory>

struct _Mix_Music;
class QTimer;

class SdlSoundDevice final : public SoundDevice {
public:
    // How long the output stays open after the last sound ends. An open output keeps SDL's audio thread
    // mixing silence; closed, a program left on a game uses no CPU at all.
    static constexpr int DefaultIdleCloseMs = 5000;

    // Opens the system's audio output, or SDL's silent dummy driver when there is none. One device at a
    // time: SDL_mixer has one music slot per process, so a second live instance stays silent.
    explicit SdlSoundDevice(int idleCloseMs = DefaultIdleCloseMs);
    ~SdlSoundDevice() override;
    SdlSoundDevice(const SdlSoundDevice&) = delete;
    SdlSoundDevice& operator=(const SdlSoundDevice&) = delete;

    // False when not even the dummy driver could be opened; every operation is then silent.
    bool isReady() const { return ready_; }
    // The SDL audio driver in use ("pulseaudio", "alsa", "dummy", ...).
    QString driverName() const { return driver_; }
    // Whether the audio output is open right now; it closes after a silence and reopens for the next sound.
    bool isOutputOpen() const;

    void close() override;
    bool open(const QString& path, const QString& typeHint) override;
    bool playFrom(qint32 positionMs) override;
    qint32 lengthMs() override;
    qint32 positionMs() override;
    bool playWaveBlocking(const QByteArray& wave) override;

private:
    bool initOutput();
    bool startMixer();
    bool ensureOutput();
    void closeOutputIfSilent();
    void closeOutput();
    void armIdleClose(qint64 afterMs);

    bool owner_ = false;
    bool ready_ = false;
    QString driver_;
    _Mix_Music* music_ = nullptr;
    QString musicPath_;
    // The finished sound the output was closed under, as callers last saw it.
    struct Parked {
        QString path;
        qint32 lengthMs = 0;
        qint32 positionMs = 0;
    };
    Parked parked_;
    // For decoders that cannot tell their position: where playback started and when.
    QElapsedTimer playClock_;
    qint32 playStartMs_ = 0;
    int idleCloseMs_;
    std::unique_ptr<QTimer> idleTimer_;
};
