// Pcm: mono 16-bit sound in memory: read from WAV, trimmed, levelled, and the reveal chime.
#include "Pcm.h"

#include <QtEndian>
#include <QtMath>
#include <algorithm>

namespace {

constexpr double kTargetRms = 0.13;  // about -18 dBFS over the voiced part
constexpr double kPeakLimit = 0.89;  // about -1 dBFS
constexpr double kGate = 0.01;       // 10 ms blocks quieter than this (-40 dBFS) are pauses
constexpr double kTrimBelowLoudest = 0.00316; // -50 dB: far below any consonant
constexpr double kTrimAboveNoise = 5.6;       // +15 dB over the quietest tenth of the blocks
constexpr int kLeadInMs = 30;        // silence kept before the word and after it
constexpr int kTailMs = 80;

quint32 le32(const QByteArray& data, qsizetype at) { return qFromLittleEndian<quint32>(data.constData() + at); }
quint16 le16(const QByteArray& data, qsizetype at) { return qFromLittleEndian<quint16>(data.constData() + at); }

} // namespace

bool Pcm::fromWav(const QByteArray& wav, Pcm* pcm, QString* error) {
    if (wav.size() < 12 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE") {
        *error = QStringLiteral("not a WAVE sound");
        return false;
    }
    qsizetype at = 12;
    bool haveFormat = false;
    while (at + 8 <= wav.size()) {
        const QByteArray id = wav.mid(at, 4);
        const qsizetype size = le32(wav, at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt ") {
            if (body + 16 > wav.size()) break;
            const quint16 format = le16(wav, body), channels = le16(wav, body + 2), bits = le16(wav, body + 14);
            if (format != 1 || channels != 1 || bits != 16) {
                *error = QStringLiteral("expected mono 16-bit PCM");
                return false;
            }
            pcm->rate = int(le32(wav, body + 4));
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) break;
            // A streamed WAVE carries a placeholder size; the data then runs to the end.
            const qsizetype bytes = std::min<qsizetype>(size, wav.size() - body) & ~qsizetype(1);
            pcm->samples.resize(bytes / 2);
            for (qsizetype i = 0; i < pcm->samples.size(); ++i)
                pcm->samples[i] = qint16(le16(wav, body + 2 * i));
            return true;
        }
        at = body + size + (size & 1);
    }
    *error = QStringLiteral("WAVE sound without format or data");
    return false;
}

Pcm Pcm::chime(int rate) {
    Pcm pcm;
    pcm.rate = rate;
    const double length = 0.36;
    pcm.samples.resize(int(length * rate));
    struct Note {
        double start, frequency;
    };
    const Note notes[] = {{0.0, 1046.5}, {0.09, 1568.0}};
    for (int i = 0; i < pcm.samples.size(); ++i) {
        const double t = double(i) / rate;
        double v = 0;
        for (const Note& n : notes) {
            if (t < n.start) continue;
            const double u = t - n.start;
            const double envelope = std::min(1.0, u / 0.004) * std::exp(-u * 11);
            v += 0.3 * envelope * (std::sin(2 * M_PI * n.frequency * u) + 0.25 * std::sin(4 * M_PI * n.frequency * u));
        }
        const double fadeOut = std::min(1.0, (length - t) / 0.03);
        pcm.samples[i] = qint16(std::clamp(v * fadeOut, -1.0, 1.0) * 32767);
    }
    return pcm;
}

void Pcm::trimSilence() {
    // Measured in 10 ms blocks against the loudest one, so the soft start of "fish" or "hat" and the faint
    // release of "cat" count as sound however loud or quiet the voice is; a voice recorded with room noise
    // is measured against that noise instead.
    const qsizetype block = std::max(1, rate / 100);
    QVector<double> levels;
    for (qsizetype start = 0; start < samples.size(); start += block) {
        const qsizetype end = std::min(samples.size(), start + block);
        double sum = 0;
        for (qsizetype i = start; i < end; ++i) sum += double(samples[i]) * samples[i];
        levels.append(std::sqrt(sum / double(end - start)));
    }
    const double loudest = levels.isEmpty() ? 0 : *std::max_element(levels.cbegin(), levels.cend());
    if (loudest < 1) return; // all silent: leave it for the length check to catch
    QVector<double> sorted = levels;
    std::sort(sorted.begin(), sorted.end());
    const double noise = sorted[sorted.size() / 10];
    const double threshold = std::max(loudest * kTrimBelowLoudest, noise * kTrimAboveNoise);
    qsizetype first = 0, last = levels.size();
    while (levels[first] < threshold) ++first;
    while (levels[last - 1] < threshold) --last;
    const qsizetype from = std::max<qsizetype>(0, first * block - rate * kLeadInMs / 1000);
    const qsizetype to = std::min<qsizetype>(samples.size(), last * block + rate * kTailMs / 1000);
    samples = samples.mid(from, to - from);
}

void Pcm::normalise() {
    const qsizetype block = std::max(1, rate / 100);
    double sum = 0, peak = 0;
    qsizetype counted = 0;
    for (qsizetype start = 0; start < samples.size(); start += block) {
        const qsizetype end = std::min(samples.size(), start + block);
        double blockSum = 0;
        for (qsizetype i = start; i < end; ++i) {
            const double v = samples[i] / 32768.0;
            blockSum += v * v;
            peak = std::max(peak, std::abs(v));
        }
        if (std::sqrt(blockSum / double(end - start)) < kGate) continue;
        sum += blockSum;
        counted += end - start;
    }
    if (counted == 0 || peak == 0) return;
    const double rms = std::sqrt(sum / double(counted));
    const double gain = std::min(kTargetRms / rms, kPeakLimit / peak);
    for (qint16& s : samples) s = qint16(std::clamp(s * gain, -32768.0, 32767.0));
}

void Pcm::padTo(double seconds) {
    const qsizetype wanted = qsizetype(seconds * rate);
    if (samples.size() < wanted) samples.resize(wanted, 0);
}

QByteArray Pcm::raw() const {
    QByteArray bytes(samples.size() * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < samples.size(); ++i) qToLittleEndian<qint16>(samples[i], bytes.data() + 2 * i);
    return bytes;
}
