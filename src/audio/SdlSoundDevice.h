// SdlSoundDevice: the program's sound device on SDL2_mixer: the music slot is the current file sound.
#pragma once

#include "audio/SoundDevice.h"

#include <QElapsedTimer>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>

struct _Mix_Music;
class QObject;
class QTimer;

class SdlSoundDevice final : public SoundDevice {
public:
    // How long the output keeps mixing after the last sound ends before it rests. A mixing output keeps
    // SDL's audio thread busy with silence; resting, a program left on a game uses no CPU at all.
    static constexpr int DefaultIdleRestMs = 5000;

    // Opens the system's audio output, or SDL's silent dummy driver when there is none. One device at a
    // time: SDL_mixer has one music slot per process, so a second live instance stays silent.
    explicit SdlSoundDevice(int idleRestMs = DefaultIdleRestMs);
    ~SdlSoundDevice() override;
    SdlSoundDevice(const SdlSoundDevice&) = delete;
    SdlSoundDevice& operator=(const SdlSoundDevice&) = delete;

    // False when not even the dummy driver could be opened; every operation is then silent.
    bool isReady() const { return ready_; }
    // The SDL audio driver in use ("pulseaudio", "alsa", "dummy", ...).
    QString driverName() const { return driver_; }
    // Whether the output rests now: still connected to the sound server, its mixing thread asleep until
    // the next sound.
    bool isResting() const;

    void close() override;
    bool open(const QString& path, const QString& typeHint) override;
    bool playFrom(qint32 positionMs) override;
    qint32 lengthMs() override;
    qint32 positionMs() override;
    bool playWaveBlocking(const QByteArray& wave) override;

private:
    struct Rest {
        mutable std::mutex mutex;
        std::condition_variable wake;
        bool requested = false;
        bool asleep = false;
    };
    static void restInMixer(void* self, unsigned char* stream, int length);
    static void musicFinished();

    bool initOutput();
    void restIfSilent();
    void wake();
    bool restRequested() const;
    void armIdleRest(qint64 afterMs);
    qint32 musicLengthMs() const;
    qint32 musicPositionMs() const;

    bool owner_ = false;
    bool ready_ = false;
    QString driver_;
    _Mix_Music* music_ = nullptr;
    // For decoders that cannot tell their position: where playback started and when.
    QElapsedTimer playClock_;
    qint32 playStartMs_ = 0;
    // While resting the mixer is held, so the finished sound's length and position are kept from before.
    qint32 restLengthMs_ = 0;
    qint32 restPositionMs_ = 0;
    Rest rest_;
    // Bumped whenever the current sound is replaced or stopped, so a finish reported late for an earlier
    // sound is told apart from the current one's.
    std::atomic<int> playGeneration_{0};
    int idleRestMs_;
    std::unique_ptr<QTimer> idleTimer_;
    std::unique_ptr<QObject> mainThread_;
};
