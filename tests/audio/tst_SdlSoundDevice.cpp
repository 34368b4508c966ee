// Tests of the SDL sound device on the silent dummy driver with a real MP3 word file.
#include "audio/mlib_AUD.h"
#include "audio/SdlSoundDevice.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>

class TestSdlSoundDevice : public QObject {
    Q_OBJECT

    // An MP3 tone of 0.8 s, named like a word file.
    const QString tone_ = QFINDTESTDATA("../data/tone.eda");

    static QByteArray effect(const char* name) {
        QFile resource(EffectResourcePath(QString::fromLatin1(name)));
        return resource.open(QIODevice::ReadOnly) ? resource.readAll() : QByteArray();
    }

private slots:
    void initTestCase() { QVERIFY(!tone_.isEmpty()); }

    void opensAnMp3WordFileWhateverItsExtension() {
        // Catches the decoder chosen by extension (".eda" is unknown) or a length that is not in ms.
        SdlSoundDevice device;
        QVERIFY(device.isReady());
        QCOMPARE(device.lengthMs(), 0);
        QVERIFY(device.open(tone_, QStringLiteral("MPEGVideo")));
        QVERIFY2(device.lengthMs() > 650 && device.lengthMs() < 950,
                 qPrintable(QString::number(device.lengthMs())));
        QCOMPARE(device.positionMs(), 0);
    }

    void positionAdvancesWhilePlaying() {
        // Catches playback that never starts, or a position stuck at the start.
        SdlSoundDevice device;
        QVERIFY(device.open(tone_, QString()));
        QVERIFY(device.playFrom(0));
        QTest::qWait(300);
        const qint32 position = device.positionMs();
        QVERIFY2(position > 100 && position <= device.lengthMs(), qPrintable(QString::number(position)));
    }

    void playFromAPositionStartsThere() {
        // Catches the start position ignored (the word replayed from its beginning).
        SdlSoundDevice device;
        QVERIFY(device.open(tone_, QString()));
        QVERIFY(device.playFrom(500));
        QVERIFY2(device.positionMs() >= 450, qPrintable(QString::number(device.positionMs())));
    }

    void unplayableFileIsSilence_data() {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::addColumn<bool>("asFolder");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("empty file") << QByteArray("") << false;
        QTest::newRow("text") << QByteArray("this is not a sound, just some words\n") << false;
        QTest::newRow("truncated mp3 header") << QByteArray::fromHex("fff340c40013c8aa") << false;
        QTest::newRow("a folder") << QByteArray() << true;
    }
    void unplayableFileIsSilence() {
        // Catches a crash or noise on a bad word file, or the previous word left playing.
        QFETCH(QByteArray, content);
        QFETCH(bool, asFolder);
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/cat.eda");
        if (asFolder) {
            QVERIFY(QDir().mkdir(path));
        } else if (!content.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        SdlSoundDevice device;
        QVERIFY(device.open(tone_, QString()));
        QVERIFY(device.playFrom(0));
        QVERIFY(!device.open(path, QStringLiteral("MPEGVideo")));
        QVERIFY(!device.playFrom(0));
        QCOMPARE(device.lengthMs(), 0);
        QCOMPARE(device.positionMs(), 0);
    }

    void effectPlaysToItsEndBeforeReturning() {
        // Catches an effect that returns at once (overlapping the next sound) or never returns.
        SdlSoundDevice device;
        const QByteArray click = effect("CLICK");
        QVERIFY(!click.isEmpty());
        QElapsedTimer timer;
        timer.start();
        QVERIFY(device.playWaveBlocking(click));
        const qint64 took = timer.elapsed();
        QVERIFY2(took >= 150 && took < 1500, qPrintable(QString::number(took)));
    }

    void brokenEffectReturnsAtOnce() {
        // Catches a hang or a default sound on an image that is not a WAVE.
        SdlSoundDevice device;
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!device.playWaveBlocking(QByteArray("RIFF\x10\0\0\0WAVEjunkjunk", 20)));
        QVERIFY(!device.playWaveBlocking(QByteArray()));
        QVERIFY(timer.elapsed() < 200);
    }

    void missingAudioOutputFallsBackToSilence() {
        // Catches a start-up that hangs, complains or stays mute for good when there is no sound output.
        const QByteArray saved = qgetenv("SDL_AUDIODRIVER");
        qputenv("SDL_AUDIODRIVER", "no-such-driver");
        QElapsedTimer timer;
        timer.start();
        auto device = std::make_unique<SdlSoundDevice>();
        const qint64 took = timer.elapsed();
        qputenv("SDL_AUDIODRIVER", saved);
        QVERIFY2(took < 2000, qPrintable(QString::number(took)));
        QVERIFY(device->isReady());
        QCOMPARE(device->driverName(), QStringLiteral("dummy"));
        QVERIFY(device->open(tone_, QString()));
        QVERIFY(device->playFrom(0));
    }

    void openingSoundLeavesTerminationSignalsAlone_data() {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
    }
    void openingSoundLeavesTerminationSignalsAlone() {
        // Catches a program that no longer ends when the session or "kill" asks it to: the sound library's
        // own handlers would turn the signal into an event nobody reads.
        QFETCH(int, signalNumber);
        struct sigaction plain {
        }, before{}, after{};
        plain.sa_handler = SIG_DFL;
        sigaction(signalNumber, &plain, &before);
        {
            SdlSoundDevice device;
            QVERIFY(device.isReady());
            sigaction(signalNumber, nullptr, &after);
        }
        sigaction(signalNumber, &before, nullptr);
        QVERIFY(after.sa_handler == SIG_DFL);
    }

    void secondLiveDeviceStaysSilent() {
        // Catches a second device closing the audio output under the first one.
        SdlSoundDevice first;
        {
            SdlSoundDevice second;
            QVERIFY(!second.isReady());
            QVERIFY(!second.open(tone_, QString()));
        }
        QVERIFY(first.open(tone_, QString()));
        QVERIFY(first.playFrom(0));
        QVERIFY(first.lengthMs() > 0);
    }

    void moduleSpeaksWordFilesThroughTheDevice() {
        // Catches the module and the device disagreeing on the slot (nothing open after PlaySoundFile).
        SdlSoundDevice device;
        setSoundDevice(&device);
        QCOMPARE(GetSoundLength(), 0);
        PlaySoundFile(tone_);
        QVERIFY(GetSoundLength() > 0);
        PlaySoundFile(tone_ + QStringLiteral(".missing"));
        QCOMPARE(GetSoundLength(), 0);
        setSoundDevice(nullptr);
    }
};

QTEST_GUILESS_MAIN(TestSdlSoundDevice)
#include "tst_SdlSoundDevice.moc"
