// SdlSoundDevice: the program's sound device on SDL2_mixer.
#include "audio/SdlSoundDevice.h"

#include "audio/AudioLog.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool instanceAlive = false;

constexpr int EffectChannel = 0;
// How long past its own length an effect may take before we stop waiting for it.
constexpr qint64 EffectWaitMarginMs = 300;

qint32 secondsToMs(double seconds) {
    if (!(seconds > 0.0)) return 0;
    const double ms = std::round(seconds * 1000.0);
    if (ms >= double(std::numeric_limits<qint32>::max())) return std::numeric_limits<qint32>::max();
    return qint32(ms);
}

// Length of a loaded chunk in the output's format.
qint64 chunkLengthMs(const Mix_Chunk* chunk) {
    int frequency = 0;
    int channels = 0;
    Uint16 format = 0;
    if (!Mix_QuerySpec(&frequency, &format, &channels) || frequency <= 0 || channels <= 0) return 0;
    const qint64 bytesPerFrame = qint64(SDL_AUDIO_BITSIZE(format) / 8) * channels;
    if (bytesPerFrame <= 0) return 0;
    return qint64(chunk->alen) / bytesPerFrame * 1000 / frequency;
}

} // namespace

SdlSoundDevice::SdlSoundDevice(int idleCloseMs) : idleCloseMs_(idleCloseMs) {
    if (instanceAlive) {
        qCWarning(lcAudio) << "a sound device is already open; this one stays silent";
        return;
    }
    instanceAlive = true;
    owner_ = true;
    ready_ = initOutput();
    if (!ready_) {
        // No sound server or card (CI, a muted machine): carry on silently rather than complain.
        qCInfo(lcAudio) << "no audio output:" << SDL_GetError() << "- using the silent dummy driver";
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        ready_ = initOutput();
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    }
    if (!ready_) {
        qCWarning(lcAudio) << "no audio at all:" << SDL_GetError();
        return;
    }
    Mix_Init(MIX_INIT_MP3 | MIX_INIT_OGG);
    driver_ = QString::fromUtf8(SDL_GetCurrentAudioDriver());
    qCDebug(lcAudio) << "audio driver" << driver_;
    // Timers need an event loop's thread; without an application the output simply stays open.
    if (QCoreApplication::instance() && idleCloseMs_ >= 0) {
        idleTimer_ = std::make_unique<QTimer>();
        idleTimer_->setSingleShot(true);
        idleTimer_->callOnTimeout([this] { closeOutputIfSilent(); });
        armIdleClose(idleCloseMs_);
    }
}

SdlSoundDevice::~SdlSoundDevice() {
    if (!owner_) return;
    idleTimer_.reset();
    if (ready_) {
        close();
        closeOutput();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        Mix_Quit();
    }
    instanceAlive = false;
}

bool SdlSoundDevice::isOutputOpen() const {
    return owner_ && ready_ && Mix_QuerySpec(nullptr, nullptr, nullptr) != 0;
}

bool SdlSoundDevice::initOutput() {
    // Audio brings up SDL's event loop, whose own SIGINT/SIGTERM handlers would only queue a quit event
    // nobody reads, leaving the program deaf to Ctrl+C and kill.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The subsystem stays up for the device's life, so reopening after a silence keeps the driver chosen
    // here (the dummy one included) and costs no second probe.
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (!startMixer()) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

bool SdlSoundDevice::startMixer() {
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) return false;
    Mix_AllocateChannels(1);
    return true;
}

bool SdlSoundDevice::ensureOutput() {
    if (!ready_) return false;
    if (isOutputOpen()) return true;
    QElapsedTimer reopening;
    reopening.start();
    if (!startMixer()) {
        // Tried again on the next sound; the learner only misses this one.
        qCWarning(lcAudio) << "cannot reopen the audio output:" << Mix_GetError();
        return false;
    }
    qCDebug(lcAudio) << "audio output reopened in" << reopening.elapsed() << "ms";
    return true;
}

void SdlSoundDevice::closeOutputIfSilent() {
    if (!isOutputOpen()) return;
    if (Mix_PlayingMusic() || Mix_Playing(-1)) {
        armIdleClose(idleCloseMs_);
        return;
    }
    // A loaded sound must not outlive the mixer that decodes it. To callers the finished sound stays the
    // current one: same length and position, and it plays again when asked.
    Parked parked{musicPath_, lengthMs(), positionMs()};
    close();
    parked_ = std::move(parked);
    closeOutput();
    qCDebug(lcAudio) << "audio output closed after a silence";
}

void SdlSoundDevice::closeOutput() {
    if (!isOutputOpen()) return;
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
}

void SdlSoundDevice::armIdleClose(qint64 afterMs) {
    if (!idleTimer_) return;
    idleTimer_->start(int(std::clamp<qint64>(afterMs, 0, std::numeric_limits<int>::max())));
}

void SdlSoundDevice::close() {
    parked_ = {};
    musicPath_.clear();
    if (!music_) return;
    Mix_HaltMusic();
    Mix_FreeMusic(music_);
    music_ = nullptr;
    playClock_.invalidate();
}

bool SdlSoundDevice::open(const QString& path, const QString& typeHint) {
    // The decoder is chosen from the content: word files are MP3 whatever they are called, and a word
    // pack may as well hold OGG or WAV. The hint only tells what the caller expected.
    Q_UNUSED(typeHint);
    close();
    // A FIFO or device node would block the reader; only plain files are opened.
    if (!QFileInfo(path).isFile()) return false;
    if (!ensureOutput()) return false;
    armIdleClose(idleCloseMs_);
    SDL_RWops* file = SDL_RWFromFile(QFile::encodeName(path).constData(), "rb");
    if (!file) return false;
    music_ = Mix_LoadMUS_RW(file, 1);
    if (!music_) {
        qCWarning(lcAudio) << "not a playable sound:" << path << Mix_GetError();
        return false;
    }
    musicPath_ = path;
    return true;
}

bool SdlSoundDevice::playFrom(qint32 positionMs) {
    if (!music_ && !parked_.path.isEmpty()) {
        const QString path = parked_.path; // open() forgets the parked sound
        open(path, QString());
    }
    if (!music_) return false;
    const int started =
        positionMs > 0 ? Mix_FadeInMusicPos(music_, 0, 0, positionMs / 1000.0) : Mix_PlayMusic(music_, 0);
    if (started != 0) {
        qCWarning(lcAudio) << "cannot play:" << Mix_GetError();
        return false;
    }
    playStartMs_ = qMax(positionMs, 0);
    playClock_.start();
    armIdleClose(qint64(lengthMs()) - playStartMs_ + idleCloseMs_);
    return true;
}

qint32 SdlSoundDevice::lengthMs() {
    if (!music_) return parked_.lengthMs;
    return secondsToMs(Mix_MusicDuration(music_));
}

qint32 SdlSoundDevice::positionMs() {
    if (!music_) return parked_.positionMs;
    const double seconds = Mix_GetMusicPosition(music_);
    if (seconds >= 0.0) return secondsToMs(seconds);
    // This decoder cannot tell: count from the start of playback, up to the end of the sound.
    if (!playClock_.isValid()) return 0;
    qint64 ms = playStartMs_ + playClock_.elapsed();
    const qint32 length = lengthMs();
    if (length > 0) ms = qMin<qint64>(ms, length);
    return qint32(qMin<qint64>(ms, std::numeric_limits<qint32>::max()));
}

bool SdlSoundDevice::playWaveBlocking(const QByteArray& wave) {
    if (wave.isEmpty() || !ensureOutput()) return false;
    if (Mix_Playing(EffectChannel)) return false;
    SDL_RWops* memory = SDL_RWFromConstMem(wave.constData(), int(wave.size()));
    if (!memory) return false;
    Mix_Chunk* chunk = Mix_LoadWAV_RW(memory, 1);
    if (!chunk) {
        qCWarning(lcAudio) << "not a playable effect:" << Mix_GetError();
        return false;
    }
    const qint64 waitLimitMs = chunkLengthMs(chunk) + EffectWaitMarginMs;
    bool played = Mix_PlayChannel(EffectChannel, chunk, 0) == EffectChannel;
    if (played) {
        // The audio thread plays it; we only wait, never longer than the effect plus a margin.
        QElapsedTimer waited;
        waited.start();
        while (Mix_Playing(EffectChannel) && waited.elapsed() < waitLimitMs)
            SDL_Delay(2);
        Mix_HaltChannel(EffectChannel);
    } else {
        qCWarning(lcAudio) << "cannot play effect:" << Mix_GetError();
    }
    Mix_FreeChunk(chunk);
    armIdleClose(idleCloseMs_);
    return played;
}
