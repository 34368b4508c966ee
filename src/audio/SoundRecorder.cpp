// SoundRecorder: records a grown-up's voice from the default microphone through SDL2's audio capture.
#include "audio/SoundRecorder.h"

#include "audio/AudioLog.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kPollMs = 50;
// A loudest 10 ms stretch under -40 dBFS is a room, not a voice.
constexpr double kVoiceLevel = 0.01;

void captured(void* self, Uint8* stream, int bytes) {
    static_cast<SoundRecorder*>(self)->append(reinterpret_cast<const qint16*>(stream), bytes / 2);
}

} // namespace

SoundRecorder::SoundRecorder(QObject* parent) : QObject(parent) {
    pcm_.rate = Rate;
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, &SoundRecorder::poll);
}

SoundRecorder::~SoundRecorder() {
    stop();
}

bool SoundRecorder::start(QString* error) {
    stop();
    {
        std::lock_guard lock(mutex_);
        pcm_.samples.clear();
        peak_ = 0;
    }
    const QString noMicrophone = QStringLiteral("No microphone was found");
    // SDL counts its subsystem users, so this shares the audio the sound device opened.
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        qCWarning(lcAudio) << "no audio for recording:" << SDL_GetError();
        *error = noMicrophone;
        return false;
    }
    subsystem_ = true;
    SDL_AudioSpec wanted{};
    wanted.freq = Rate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = 1024;
    wanted.callback = captured;
    wanted.userdata = this;
    SDL_AudioSpec got{};
    // SDL converts whatever the microphone gives to this format.
    device_ = SDL_OpenAudioDevice(nullptr, 1, &wanted, &got, 0);
    if (device_ == 0) {
        qCWarning(lcAudio) << "no capture device:" << SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        subsystem_ = false;
        *error = noMicrophone;
        return false;
    }
    qCDebug(lcAudio) << "recording from" << SDL_GetCurrentAudioDriver();
    SDL_PauseAudioDevice(device_, 0);
    poll_.start();
    return true;
}

void SoundRecorder::stop() {
    poll_.stop();
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_); // waits for the callback to finish
        device_ = 0;
    }
    if (subsystem_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        subsystem_ = false;
    }
}

Pcm SoundRecorder::recorded() const {
    std::lock_guard lock(mutex_);
    return pcm_;
}

void SoundRecorder::append(const qint16* samples, int count) {
    std::lock_guard lock(mutex_);
    const qsizetype room = qsizetype(MaxSeconds) * Rate - pcm_.samples.size();
    const int kept = int(std::clamp<qsizetype>(count, 0, room));
    for (int i = 0; i < kept; ++i) {
        pcm_.samples.append(samples[i]);
        peak_ = std::max(peak_, std::abs(samples[i] / 32768.0));
    }
}

void SoundRecorder::poll() {
    double level = 0;
    bool full = false;
    {
        std::lock_guard lock(mutex_);
        level = peak_;
        peak_ = 0;
        full = pcm_.samples.size() >= qsizetype(MaxSeconds) * Rate;
    }
    emit levelChanged(level);
    if (full) {
        stop();
        emit limitReached();
    }
}

bool SoundRecorder::finish(Pcm* pcm, QString* error) {
    const qsizetype block = std::max(1, pcm->rate / 100);
    double loudest = 0;
    for (qsizetype start = 0; start < pcm->samples.size(); start += block) {
        const qsizetype end = std::min(pcm->samples.size(), start + block);
        double sum = 0;
        for (qsizetype i = start; i < end; ++i) sum += double(pcm->samples[i]) * pcm->samples[i];
        loudest = std::max(loudest, std::sqrt(sum / double(end - start)) / 32768.0);
    }
    if (loudest < kVoiceLevel) {
        *error = QStringLiteral("Nothing was heard: try again closer");
        return false;
    }
    pcm->trimSilence();
    pcm->normalise();
    pcm->padTo(0.35);
    return true;
}
