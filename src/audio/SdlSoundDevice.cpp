// SdlSoundDevice: the program's sound device on SDL2_mixer.
#include "audio/SdlSoundDevice.h"

#include "audio/AudioLog.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool instanceAlive = false;
// The live device, for SDL_mixer's hook, which takes no argument.
std::atomic<SdlSoundDevice*> liveDevice{nullptr};

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

SdlSoundDevice::SdlSoundDevice(int idleRestMs) : idleRestMs_(idleRestMs) {
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
    mainThread_ = std::make_unique<QObject>();
    liveDevice = this;
    Mix_HookMusicFinished(&SdlSoundDevice::musicFinished);
    // Timers need an event loop's thread; without an application the output simply keeps mixing.
    if (QCoreApplication::instance() && idleRestMs_ >= 0) {
        idleTimer_ = std::make_unique<QTimer>();
        idleTimer_->setSingleShot(true);
        idleTimer_->callOnTimeout([this] { restIfSilent(); });
        armIdleRest(idleRestMs_);
    }
}

SdlSoundDevice::~SdlSoundDevice() {
    if (!owner_) return;
    idleTimer_.reset();
    if (ready_) {
        // The mixer's thread must be awake to be stopped, and out of the hook before the device goes.
        wake();
        Mix_HookMusicFinished(nullptr);
        liveDevice = nullptr;
        mainThread_.reset();
        close();
        Mix_HaltChannel(-1);
        Mix_SetPostMix(nullptr, nullptr);
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        Mix_Quit();
    }
    instanceAlive = false;
}

bool SdlSoundDevice::initOutput() {
    // Audio brings up SDL's event loop, whose own SIGINT/SIGTERM handlers would only queue a quit event
    // nobody reads, leaving the program deaf to Ctrl+C and kill.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(1);
    Mix_SetPostMix(&SdlSoundDevice::restInMixer, this);
    return true;
}

// Runs on SDL's audio thread after each mix, with the mixer locked. Resting puts that thread to sleep here
// rather than closing the output: the stream stays connected, so the sound server keeps its low latency
// and the next word is heard at once, while the program itself spends nothing on silence. A closed and
// reopened stream can wait behind a whole idle block of the server's (seen: 1.6 s).
void SdlSoundDevice::restInMixer(void* self, unsigned char*, int) {
    auto& rest = static_cast<SdlSoundDevice*>(self)->rest_;
    std::unique_lock lock(rest.mutex);
    if (!rest.requested) return;
    rest.asleep = true;
    rest.wake.wait(lock, [&rest] { return !rest.requested; });
    rest.asleep = false;
}

// Runs on the audio thread when the music ends, or on ours inside Mix_HaltMusic.
void SdlSoundDevice::musicFinished() {
    SdlSoundDevice* device = liveDevice.load();
    if (!device || !device->mainThread_) return;
    const int generation = device->playGeneration_.load();
    QMetaObject::invokeMethod(
        device->mainThread_.get(),
        [device, generation] {
            if (generation == device->playGeneration_.load()) device->notifyFinished();
        },
        Qt::QueuedConnection);
}

bool SdlSoundDevice::isResting() const {
    std::lock_guard lock(rest_.mutex);
    return rest_.requested && rest_.asleep;
}

bool SdlSoundDevice::restRequested() const {
    std::lock_guard lock(rest_.mutex);
    return rest_.requested;
}

void SdlSoundDevice::wake() {
    {
        std::lock_guard lock(rest_.mutex);
        if (!rest_.requested) return;
        rest_.requested = false;
    }
    // Every mixer call locks the mixer, which the sleeping thread holds: it must leave first.
    rest_.wake.notify_all();
}

void SdlSoundDevice::restIfSilent() {
    // Asked to rest, the mixer may already be held: no mixer call until woken.
    if (!ready_ || restRequested()) return;
    if (Mix_PlayingMusic() || Mix_Playing(-1)) {
        armIdleRest(idleRestMs_);
        return;
    }
    restLengthMs_ = musicLengthMs();
    restPositionMs_ = musicPositionMs();
    std::lock_guard lock(rest_.mutex);
    rest_.requested = true;
    qCDebug(lcAudio) << "audio output rests after a silence";
}

void SdlSoundDevice::armIdleRest(qint64 afterMs) {
    if (!idleTimer_) return;
    idleTimer_->start(int(std::clamp<qint64>(afterMs, 0, std::numeric_limits<int>::max())));
}

void SdlSoundDevice::close() {
    if (!music_) return;
    wake();
    Mix_HaltMusic();
    ++playGeneration_;
    Mix_FreeMusic(music_);
    music_ = nullptr;
    playClock_.invalidate();
    armIdleRest(idleRestMs_);
}

bool SdlSoundDevice::open(const QString& path, const QString& typeHint) {
    // The decoder is chosen from the content: word files are MP3 whatever they are called, and a word
    // pack may as well hold OGG or WAV. The hint only tells what the caller expected.
    Q_UNUSED(typeHint);
    close();
    // A FIFO or device node would block the reader; only plain files are opened.
    if (!ready_ || !QFileInfo(path).isFile()) return false;
    wake();
    armIdleRest(idleRestMs_);
    SDL_RWops* file = SDL_RWFromFile(QFile::encodeName(path).constData(), "rb");
    if (!file) return false;
    music_ = Mix_LoadMUS_RW(file, 1);
    if (!music_) {
        qCWarning(lcAudio) << "not a playable sound:" << path << Mix_GetError();
        return false;
    }
    return true;
}

bool SdlSoundDevice::playFrom(qint32 positionMs) {
    if (!music_) return false;
    wake();
    Mix_HaltMusic();
    ++playGeneration_;
    const int started =
        positionMs > 0 ? Mix_FadeInMusicPos(music_, 0, 0, positionMs / 1000.0) : Mix_PlayMusic(music_, 0);
    if (started != 0) {
        qCWarning(lcAudio) << "cannot play:" << Mix_GetError();
        return false;
    }
    playStartMs_ = qMax(positionMs, 0);
    playClock_.start();
    armIdleRest(qint64(musicLengthMs()) - playStartMs_ + idleRestMs_);
    return true;
}

qint32 SdlSoundDevice::lengthMs() {
    if (!music_) return 0;
    return restRequested() ? restLengthMs_ : musicLengthMs();
}

qint32 SdlSoundDevice::positionMs() {
    if (!music_) return 0;
    return restRequested() ? restPositionMs_ : musicPositionMs();
}

qint32 SdlSoundDevice::musicLengthMs() const {
    return music_ ? secondsToMs(Mix_MusicDuration(music_)) : 0;
}

qint32 SdlSoundDevice::musicPositionMs() const {
    if (!music_) return 0;
    const double seconds = Mix_GetMusicPosition(music_);
    if (seconds >= 0.0) return secondsToMs(seconds);
    // This decoder cannot tell: count from the start of playback, up to the end of the sound.
    if (!playClock_.isValid()) return 0;
    qint64 ms = playStartMs_ + playClock_.elapsed();
    const qint32 length = musicLengthMs();
    if (length > 0) ms = qMin<qint64>(ms, length);
    return qint32(qMin<qint64>(ms, std::numeric_limits<qint32>::max()));
}

bool SdlSoundDevice::playWaveBlocking(const QByteArray& wave) {
    if (wave.isEmpty() || !ready_) return false;
    wake();
    armIdleRest(idleRestMs_);
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
    armIdleRest(idleRestMs_);
    return played;
}
