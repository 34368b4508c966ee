// Tests of the SDL sound device on the silent dummy driver with a real MP3 word file.
#include "audio/SoundModule.h"
#include "audio/SdlSoundDevice.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <csignal>

class tst_SdlSoundDevice : public QObject {
    Q_OBJECT

    // An MP3 tone of 0.8 s, named like a word file.
    const QString tone_ = QFINDTESTDATA("../data/tone.eda");

    static QByteArray effect(const char* name) {
        QFile resource(effectResourcePath(QString::fromLatin1(name)));
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

    void outputRestsAfterASilenceAndWakesForTheNextSound() {
        // Catches an output that never rests (SDL's thread mixing silence for good), one put to rest under a
        // playing word, a mixer left locked by the sleeping thread (a hang), or a first word or effect
        // after the silence that is not heard.
        SdlSoundDevice device(200);
        QVERIFY(device.open(tone_, QString()));
        QVERIFY(device.playFrom(0));
        QTest::qWait(500);
        QVERIFY(!device.isResting());
        const qint32 length = device.lengthMs();
        QTRY_VERIFY_WITH_TIMEOUT(device.isResting(), 3000);
        // To its callers the finished word is still the current sound, and plays again from the start.
        QCOMPARE(device.lengthMs(), length);
        QVERIFY2(device.positionMs() > length - 100, qPrintable(QString::number(device.positionMs())));
        QVERIFY(device.playFrom(0));
        QVERIFY(!device.isResting());
        QTest::qWait(300);
        QVERIFY2(device.positionMs() > 100 && device.positionMs() < length,
                 qPrintable(QString::number(device.positionMs())));

        QTRY_VERIFY_WITH_TIMEOUT(device.isResting(), 3000);
        QVERIFY(device.open(tone_, QString()));
        QVERIFY(device.playFrom(0));
        QTest::qWait(300);
        QVERIFY2(device.positionMs() > 100, qPrintable(QString::number(device.positionMs())));
        device.close();
        QCOMPARE(device.lengthMs(), 0);

        QTRY_VERIFY_WITH_TIMEOUT(device.isResting(), 3000);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(device.playWaveBlocking(effect("CLICK")));
        QVERIFY2(timer.elapsed() >= 150, qPrintable(QString::number(timer.elapsed())));
    }

    void finishIsReportedOnlyForASoundHeardToItsEnd() {
        // Catches a spelling that never moves on (no finish reported), or one that skips a letter because
        // a closed or replaced sound was reported as finished.
        SdlSoundDevice device;
        int finished = 0;
        device.setFinishedHandler([&finished] { ++finished; });
        QVERIFY(device.open(tone_, QString()));
        QVERIFY(device.playFrom(0));
        QTest::qWait(200);
        QVERIFY(device.open(tone_, QString())); // replaces the playing sound
        QVERIFY(device.playFrom(0));
        QTest::qWait(200);
        device.close();
        QTest::qWait(200);
        QCOMPARE(finished, 0);
        QVERIFY(device.open(tone_, QString()));
        QVERIFY(device.playFrom(0));
        QTRY_COMPARE_WITH_TIMEOUT(finished, 1, 3000);
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

    void stopSignalsStillEndTheProgram_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("Ctrl+C") << SIGINT;
        QTest::newRow("kill") << SIGTERM;
    }
    void stopSignalsStillEndTheProgram() {
        // Catches SDL's own handlers taking the stop signals, so that kill and Ctrl+C leave the program
        // running.
        QFETCH(int, signal);
        struct sigaction saved {
        }, plain{}, whileOpen{};
        sigaction(signal, nullptr, &saved); // the test library's own handler, put back below
        plain.sa_handler = SIG_DFL;
        sigaction(signal, &plain, nullptr);
        {
            SdlSoundDevice device;
            sigaction(signal, nullptr, &whileOpen);
        }
        sigaction(signal, &saved, nullptr);
        QVERIFY(whileOpen.sa_handler == SIG_DFL);
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
        // Catches the module and the device disagreeing on the slot (nothing open after playSoundFile).
        SdlSoundDevice device;
        setSoundDevice(&device);
        QCOMPARE(soundLength(), 0);
        playSoundFile(tone_);
        QVERIFY(soundLength() > 0);
        playSoundFile(tone_ + QStringLiteral(".missing"));
        QCOMPARE(soundLength(), 0);
        setSoundDevice(nullptr);
    }
};

QTEST_GUILESS_MAIN(tst_SdlSoundDevice)
#include "tst_SdlSoundDevice.moc"
