// A real sound server: PulseAudio with a null sink whose monitor is the default source. A known tone played into
// the sink is recorded through the program's capture path and stored as a word; the stored word must hold it.
#include "audio/OggEncoder.h"
#include "audio/SdlSoundDevice.h"
#include "audio/SoundRecorder.h"
#include "catalogue/UserWords.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <QtMath>

namespace {

constexpr double kToneSeconds = 0.6;
constexpr double kToneHz = 440;

// 0.4 s of silence, the tone, 0.4 s of silence: 44.1 kHz mono WAVE, so the server resamples on the way.
QByteArray knownWave() {
    const int rate = 44100;
    QVector<qint16> samples(int((0.8 + kToneSeconds) * rate), 0);
    for (int i = 0; i < int(kToneSeconds * rate); ++i)
        samples[int(0.4 * rate) + i] = qint16(0.3 * 32767 * std::sin(2 * M_PI * kToneHz * i / rate));
    QByteArray out(44 + samples.size() * 2, 0);
    char* h = out.data();
    auto put32 = [&](int at, quint32 v) { qToLittleEndian<quint32>(v, h + at); };
    auto put16 = [&](int at, quint16 v) { qToLittleEndian<quint16>(v, h + at); };
    memcpy(h, "RIFF", 4);
    put32(4, quint32(out.size() - 8));
    memcpy(h + 8, "WAVEfmt ", 8);
    put32(16, 16);
    put16(20, 1);
    put16(22, 1);
    put32(24, rate);
    put32(28, rate * 2);
    put16(32, 2);
    put16(34, 16);
    memcpy(h + 36, "data", 4);
    put32(40, quint32(samples.size() * 2));
    for (qsizetype i = 0; i < samples.size(); ++i) qToLittleEndian<qint16>(samples[i], h + 44 + 2 * i);
    return out;
}

double rms(const Pcm& pcm) {
    double sum = 0;
    for (qint16 s : pcm.samples) sum += double(s) * s;
    return pcm.samples.isEmpty() ? 0 : std::sqrt(sum / pcm.samples.size()) / 32768.0;
}

// Rising zero crossings per second, over 0.4 s inside the tone (past the kept lead-in).
double pitch(const Pcm& pcm) {
    const qsizetype from = pcm.rate / 10, to = std::min<qsizetype>(pcm.samples.size(), from + pcm.rate * 4 / 10);
    int crossings = 0;
    for (qsizetype i = from + 1; i < to; ++i)
        if (pcm.samples[i - 1] < 0 && pcm.samples[i] >= 0) ++crossings;
    return crossings / (double(to - from) / pcm.rate);
}

} // namespace

class tst_RecordingFromServer : public QObject {
    Q_OBJECT
    QTemporaryDir dir_{QStringLiteral("/tmp/lkpa-XXXXXX")}; // short: the socket path has a length limit
    QProcess server_;
    QString socket_;

    bool run(const QString& program, const QStringList& args, int ms = 5000) {
        QProcess p;
        p.start(program, args);
        if (!p.waitForFinished(ms)) {
            p.kill();
            p.waitForFinished();
            return false;
        }
        return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("pactl")).isEmpty())
            QSKIP("pulseaudio and pactl are not installed (scripts/setup installs them)");
        QVERIFY(dir_.isValid());
        socket_ = dir_.filePath(QStringLiteral("native"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir_.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.path());
        server_.setProcessEnvironment(env);
        server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // -n: none of the machine's own configuration; a root user (CI) is allowed with a warning.
        server_.start(QStringLiteral("pulseaudio"),
                      {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "--log-level=error",
                       "-L", "module-null-sink sink_name=lexikite",
                       "-L", "module-native-protocol-unix auth-anonymous=1 socket=" + socket_});
        QVERIFY(server_.waitForStarted(5000));
        qputenv("PULSE_SERVER", ("unix:" + socket_).toUtf8());
        const QDeadlineTimer deadline(10000);
        while (!run(QStringLiteral("pactl"), {"info"}) && !deadline.hasExpired()) QTest::qWait(100);
        QVERIFY2(run(QStringLiteral("pactl"), {"set-default-source", "lexikite.monitor"}), "the server did not start");
        qputenv("SDL_AUDIODRIVER", "pulseaudio");
    }

    void cleanupTestCase() {
        if (server_.state() == QProcess::NotRunning) return;
        server_.terminate();
        if (!server_.waitForFinished(5000)) {
            server_.kill();
            server_.waitForFinished(2000);
        }
    }

    // Catches a capture path that records nothing, the wrong rate (a shifted pitch), untrimmed silence, an
    // unlevelled voice, or a stored word that does not hold what was said.
    void aPlayedToneIsRecordedTrimmedAndStored() {
        const QString wave = dir_.filePath(QStringLiteral("tone.wav"));
        QFile file(wave);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(knownWave());
        file.close();

        SoundRecorder recorder;
        QString why;
        QVERIFY2(recorder.start(&why), qPrintable(why));
        QTest::qWait(300);
        QVERIFY(run(QStringLiteral("paplay"), {"--device=lexikite", wave}, 10000));
        QTest::qWait(500);
        recorder.stop();
        Pcm pcm = recorder.recorded();
        QVERIFY2(pcm.seconds() > 1.5, qPrintable(QString::number(pcm.seconds())));
        QVERIFY2(SoundRecorder::finish(&pcm, &why), qPrintable(why));
        // The tone plus the kept lead-in and tail (30 + 80 ms), give or take a block or a server period.
        QVERIFY2(pcm.seconds() > kToneSeconds && pcm.seconds() < kToneSeconds + 0.25, qPrintable(QString::number(pcm.seconds())));
        QVERIFY2(qAbs(pitch(pcm) - kToneHz) < kToneHz * 0.03, qPrintable(QString::number(pitch(pcm))));
        QVERIFY2(rms(pcm) > 0.09 && rms(pcm) < 0.15, qPrintable(QString::number(rms(pcm))));

        const QString root = dir_.filePath(QStringLiteral("words"));
        QImage picture(400, 300, QImage::Format_RGB32);
        picture.fill(Qt::yellow);
        UserWords::NewWord word{QStringLiteral("farm animals"), QStringLiteral("tone"), {}, picture, true,
                                [pcm](const QString& path, QString* error) { return OggEncoder::write(pcm, path, error); }};
        QVERIFY2(UserWords::add(root, word, &why), qPrintable(why));
        UserWords::Word stored;
        QVERIFY(UserWords::find(root, QStringLiteral("farm animals"), QStringLiteral("tone"), &stored));
        SdlSoundDevice device;
        QVERIFY(device.open(stored.soundPath, QString()));
        QVERIFY2(qAbs(device.lengthMs() - pcm.seconds() * 1000) < 60, qPrintable(QString::number(device.lengthMs())));
    }
};

QTEST_MAIN(tst_RecordingFromServer)
#include "tst_RecordingFromServer.moc"
