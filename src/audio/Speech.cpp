// Speech: speaks a text with the Flite synthesiser and encodes sounds to MP3 with lame (blocking; safe in worker threads).
#include "Speech.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

constexpr int kTimeoutMs = 30000;

// The voices a speech recogniser understood best among those Debian packages (bench/bench_voices): the US
// male voice for plain and American words, the Scottish male voice for British ones. Speech a little slower
// than the voice's own pace was understood best, and suits children.
struct VoiceSetting {
    const char* name;
    const char* fliteVoice;
};
constexpr VoiceSetting kVoices[] = {{"en-us", "rms"}, {"en-gb", "awb"}};
constexpr const char* kDurationStretch = "duration_stretch=1.15";

const char* fliteVoice(const QString& voice) {
    for (const VoiceSetting& v : kVoices)
        if (voice == QLatin1String(v.name)) return v.fliteVoice;
    return nullptr;
}

bool run(const QString& program, const QStringList& args, const QByteArray& input, QByteArray* output,
         QString* error) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForStarted(kTimeoutMs)) {
        *error = QStringLiteral("cannot start %1 (is it installed?)").arg(program);
        return false;
    }
    if (!input.isEmpty()) process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(kTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        *error = QStringLiteral("%1 did not finish").arg(program);
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *error = QStringLiteral("%1 failed: %2").arg(program, QString::fromLocal8Bit(process.readAllStandardError()).trimmed());
        return false;
    }
    if (output) *output = process.readAllStandardOutput();
    return true;
}

} // namespace

namespace Speech {

bool isVoice(const QString& voice) { return fliteVoice(voice) != nullptr; }

bool speak(const QString& text, const QString& voice, Pcm* pcm, QString* error) {
    if (!isVoice(voice)) {
        *error = QStringLiteral("unknown voice \"%1\"").arg(voice);
        return false;
    }
    // Flite writes its sound only to a file.
    QTemporaryDir work;
    const QString path = work.filePath(QStringLiteral("speech.wav"));
    const QStringList args = {QStringLiteral("-voice"), QLatin1String(fliteVoice(voice)), QStringLiteral("--setf"),
                              QLatin1String(kDurationStretch), QStringLiteral("-t"), text, QStringLiteral("-o"), path};
    if (!work.isValid() || !run(QStringLiteral("flite"), args, {}, nullptr, error)) return false;
    QFile wav(path);
    if (!wav.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("flite wrote no sound");
        return false;
    }
    return Pcm::fromWav(wav.readAll(), pcm, error);
}

bool encodeMp3(const Pcm& pcm, const QString& path, QString* error) {
    const QString part = path + QStringLiteral(".part");
    const QStringList args = {QStringLiteral("--quiet"), QStringLiteral("-r"), QStringLiteral("-s"),
                              QString::number(pcm.rate / 1000.0), QStringLiteral("--bitwidth"), QStringLiteral("16"),
                              QStringLiteral("--signed"), QStringLiteral("--little-endian"), QStringLiteral("-m"),
                              QStringLiteral("m"), QStringLiteral("-V"), QStringLiteral("5"), QStringLiteral("-"), part};
    if (!run(QStringLiteral("lame"), args, pcm.raw(), nullptr, error)) {
        QFile::remove(part);
        return false;
    }
    QFile::remove(path);
    if (!QFile::rename(part, path)) {
        QFile::remove(part);
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

bool makeWordSound(const QString& text, const QString& voice, const QString& path, QString* error) {
    Pcm pcm;
    if (!speak(text, voice, &pcm, error)) return false;
    pcm.trimSilence();
    pcm.normalise();
    pcm.padTo(0.35);
    return encodeMp3(pcm, path, error);
}

} // namespace Speech
