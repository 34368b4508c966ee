// bench_sound_latency: how long a word takes from the request to the loudspeaker, with the output open and
// after it has rested for a silence, measured from what the sound server actually played.
// Usage: bench_sound_latency [rounds] [sound file]. Needs a PulseAudio (or PipeWire-Pulse) server; the signal is recorded
// from the default sink's monitor, so a null sink works on a machine without a sound card.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include <pulse/error.h>
#include <pulse/simple.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include "audio/SoundModule.h"
#include "audio/SdlSoundDevice.h"

namespace {

constexpr int Rate = 44100;
// The output rests after this much silence here (the program waits longer; the waking is the same).
constexpr int IdleRestMs = 1500;
constexpr int Threshold = 2000;
// Long enough for an idle sound server to fall back to its long idle blocks.
constexpr int PauseMs = 4000;

// A WAV file whose tone starts at its first sample, so any delay heard is the player's.
QByteArray toneWav() {
    const int frames = Rate * 3 / 10;
    QByteArray pcm(frames * 2, Qt::Uninitialized);
    auto* samples = reinterpret_cast<qint16*>(pcm.data());
    for (int i = 0; i < frames; ++i)
        samples[i] = qint16(16000 * std::sin(2 * M_PI * 660.0 * i / Rate));
    QByteArray wav;
    auto put32 = [&wav](quint32 v) { wav.append(reinterpret_cast<const char*>(&v), 4); };
    auto put16 = [&wav](quint16 v) { wav.append(reinterpret_cast<const char*>(&v), 2); };
    wav.append("RIFF");
    put32(36 + quint32(pcm.size()));
    wav.append("WAVEfmt ");
    put32(16);
    put16(1);
    put16(1);
    put32(Rate);
    put32(Rate * 2);
    put16(2);
    put16(16);
    wav.append("data");
    put32(quint32(pcm.size()));
    return wav + pcm;
}

// Records the default sink's monitor on its own thread and stamps each sample with the time it was played.
// The server's own latency report places a sample in time, so the recording may use the server's default
// large fragments: a recorder asking for small ones would itself keep the sink at a low latency and hide
// what the learner meets.
class MonitorRecorder {
public:
    ~MonitorRecorder() { stop(); }
    bool start() {
        clock_.start();
        const pa_sample_spec format{PA_SAMPLE_S16LE, Rate, 1};
        int error = 0;
        stream_ = pa_simple_new(nullptr, "bench_sound_latency", PA_STREAM_RECORD, "@DEFAULT_MONITOR@",
                                "monitor", &format, nullptr, nullptr, &error);
        if (!stream_) {
            std::fprintf(stderr, "cannot record the monitor: %s\n", pa_strerror(error));
            return false;
        }
        reader_ = std::thread([this] { read(); });
        return true;
    }
    void stop() {
        stopping_ = true;
        if (reader_.joinable()) reader_.join();
        if (stream_) pa_simple_free(stream_);
        stream_ = nullptr;
    }
    qint64 nowNs() const { return clock_.nsecsElapsed(); }
    // The time of the first loud sample played after `sinceNs`, or -1.
    qint64 firstSoundAfter(qint64 sinceNs) {
        std::lock_guard lock(mutex_);
        for (size_t i = 0; i < samples_.size(); ++i)
            if (stamps_[i] >= sinceNs && std::abs(int(samples_[i])) > Threshold) return stamps_[i];
        return -1;
    }
    void clear() {
        std::lock_guard lock(mutex_);
        samples_.clear();
        stamps_.clear();
    }

private:
    void read() {
        constexpr int Frames = Rate / 100;
        qint16 block[Frames];
        int error = 0;
        while (!stopping_) {
            if (pa_simple_read(stream_, block, sizeof block, &error) < 0) return;
            const pa_usec_t latency = pa_simple_get_latency(stream_, &error);
            // The block's last sample was played `latency` ago; the others one frame each before it.
            const qint64 last = clock_.nsecsElapsed() - qint64(latency) * 1000;
            std::lock_guard lock(mutex_);
            for (int i = 0; i < Frames; ++i) {
                samples_.push_back(block[i]);
                stamps_.push_back(last - qint64(Frames - 1 - i) * 1000000000LL / Rate);
            }
        }
    }

    pa_simple* stream_ = nullptr;
    std::thread reader_;
    std::atomic<bool> stopping_{false};
    QElapsedTimer clock_;
    std::mutex mutex_;
    std::vector<qint16> samples_;
    std::vector<qint64> stamps_;
};

void wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double median(std::vector<double> v) {
    if (v.empty()) return -1;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Plays the tone and returns how long it took to be heard, in ms (-1: never heard).
double playAndListen(MonitorRecorder& recorder, const QString& path) {
    recorder.clear();
    const qint64 asked = recorder.nowNs();
    playSoundFile(path);
    wait(900);
    const qint64 heard = recorder.firstSoundAfter(asked);
    return heard < 0 ? -1 : (heard - asked) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? qMax(1, atoi(argv[1])) : 5;
    QTemporaryDir dir;
    const QString tone = dir.filePath(QStringLiteral("tone.wav"));
    QFile file(tone);
    if (!file.open(QIODevice::WriteOnly) || file.write(toneWav()) < 0) return 2;
    file.close();
    // A word file may stand in for the tone; its own lead-in of silence then counts as delay.
    const QString sound = argc > 2 ? QString::fromLocal8Bit(argv[2]) : tone;

    SdlSoundDevice device(IdleRestMs);
    if (device.driverName() != QLatin1String("pulseaudio") && device.driverName() != QLatin1String("pipewire"))
        std::fprintf(stderr, "note: SDL uses the '%s' driver; the monitor may not hear it\n",
                     qPrintable(device.driverName()));
    setSoundDevice(&device);
    MonitorRecorder recorder;
    if (!recorder.start()) {
        std::fprintf(stderr, "no sound server to record from (start one: see the README)\n");
        return 2;
    }
    wait(500);

    std::vector<double> open, reopened;
    for (int r = 0; r < rounds; ++r) {
        // Open: a sound has just played, so the output is up.
        playAndListen(recorder, sound);
        open.push_back(playAndListen(recorder, sound));
        // After a pause: wait until the output rests.
        QElapsedTimer waited;
        waited.start();
        while (!device.isResting() && waited.elapsed() < 20000)
            wait(100);
        if (!device.isResting()) std::fprintf(stderr, "the output did not rest\n");
        wait(PauseMs);
        reopened.push_back(playAndListen(recorder, sound));
        std::printf("round %d: open %.1f ms, after a pause %.1f ms\n", r + 1, open.back(), reopened.back());
        std::fflush(stdout);
    }
    recorder.stop();
    setSoundDevice(nullptr);
    std::printf("driver %s, %d rounds, request to sound (median): open %.1f ms, after a pause %.1f ms\n",
                qPrintable(device.driverName()), rounds, median(open), median(reopened));
    return 0;
}
