// Tests of recording a grown-up's voice: no microphone, silence, the ten-second cap, and the stored sound playing.
#include "audio/OggEncoder.h"
#include "audio/SdlSoundDevice.h"
#include "audio/SoundRecorder.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtMath>

namespace {

// Silence, then a tone of the given loudness and length, then silence.
Pcm tone(double seconds, double amplitude) {
    Pcm pcm;
    pcm.rate = SoundRecorder::Rate;
    const int lead = pcm.rate / 2;
    pcm.samples.resize(lead * 2 + int(seconds * pcm.rate));
    for (int i = 0; i < int(seconds * pcm.rate); ++i)
        pcm.samples[lead + i] = qint16(amplitude * 32767 * std::sin(2 * M_PI * 440 * i / pcm.rate));
    return pcm;
}

} // namespace

class tst_SoundRecorder : public QObject {
    Q_OBJECT

private slots:
    // Catches a missing sound system taken for a microphone, or an internal error shown to the grown-up.
    void noMicrophoneIsSaidPlainly() {
        qputenv("SDL_AUDIODRIVER", "no-such-driver");
        SoundRecorder recorder;
        QString why;
        QVERIFY(!recorder.start(&why));
        QCOMPARE(why, QStringLiteral("No microphone was found"));
        QVERIFY(!recorder.isRecording());
        qputenv("SDL_AUDIODRIVER", "dummy");
    }

    // Catches a silent microphone stored as a word: the dummy driver's capture delivers silence through the
    // same callback a real microphone uses.
    void silenceIsNotStored() {
        SoundRecorder recorder;
        QString why;
        QVERIFY2(recorder.start(&why), qPrintable(why));
        QTest::qWait(400);
        recorder.stop();
        Pcm pcm = recorder.recorded();
        QVERIFY(!SoundRecorder::finish(&pcm, &why));
        QCOMPARE(why, QStringLiteral("Nothing was heard: try again closer"));
    }

    // Catches a faint room hum taken for a voice, or a quiet voice refused.
    void onlyAVoiceCounts_data() {
        QTest::addColumn<double>("amplitude");
        QTest::addColumn<bool>("heard");
        QTest::newRow("hum at -50 dB") << 0.003 << false;
        QTest::newRow("quiet voice at -26 dB") << 0.05 << true;
        QTest::newRow("loud voice") << 0.9 << true;
    }
    void onlyAVoiceCounts() {
        QFETCH(double, amplitude);
        QFETCH(bool, heard);
        Pcm pcm = tone(0.6, amplitude);
        QString why;
        QCOMPARE(SoundRecorder::finish(&pcm, &why), heard);
        if (heard) QVERIFY2(pcm.seconds() > 0.6 && pcm.seconds() < 0.8, qPrintable(QString::number(pcm.seconds())));
    }

    // Catches a recording that grows past ten seconds, or one that does not tell it stopped.
    void recordingStopsAtTenSeconds() {
        SoundRecorder recorder;
        QString why;
        QVERIFY(recorder.start(&why));
        QSignalSpy stopped(&recorder, &SoundRecorder::limitReached);
        const QVector<qint16> second(SoundRecorder::Rate, 1000);
        for (int i = 0; i < 11; ++i) recorder.append(second.constData(), int(second.size()));
        QVERIFY(stopped.wait(2000));
        QVERIFY(!recorder.isRecording());
        QCOMPARE(recorder.recorded().seconds(), double(SoundRecorder::MaxSeconds));
    }

    // Catches a stored recording the program cannot play, or one far from its length.
    void storedRecordingPlaysAtItsLength() {
        Pcm pcm = tone(0.7, 0.5);
        QString why;
        QVERIFY(SoundRecorder::finish(&pcm, &why));
        QTemporaryDir dir;
        const QString path = dir.filePath("rex.eda");
        QVERIFY2(OggEncoder::write(pcm, path, &why), qPrintable(why));
        QVERIFY(QFileInfo(path).size() < 30000);
        SdlSoundDevice device;
        QVERIFY(device.open(path, QString()));
        QVERIFY2(qAbs(device.lengthMs() - pcm.seconds() * 1000) < 60, qPrintable(QString::number(device.lengthMs())));
    }
};

QTEST_MAIN(tst_SoundRecorder)
#include "tst_SoundRecorder.moc"
