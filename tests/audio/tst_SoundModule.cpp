// Tests of the sound module against a recording device: order of operations, the one current sound,
// letters and effects.
#include "app/AppState.h"
#include "audio/SoundModule.h"
#include "RecordingSoundDevice.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(std::function<void()>)

class tst_SoundModule : public QObject {
    Q_OBJECT

private slots:
    void init() {
        appState().programFolder = QStringLiteral("/prog");
    }

    void eachFileSoundClosesTheLastBeforeOpening() {
        // Catches a second word playing over the first, or play sent before the file is open.
        ScopedRecordingDevice s;
        playSoundFile(QStringLiteral("/x/cat.eda"));
        playSoundFile(QStringLiteral("/x/dog.eda"));
        QCOMPARE(s.device.log, QStringList({"close", "open /x/cat.eda MPEGVideo", "play 0", "close",
                                            "open /x/dog.eda MPEGVideo", "play 0"}));
    }

    void typeHintComesFromUpperCasedSuffix_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expectedOpen");
        QTest::newRow("eda") << "/w/cat.eda"
                             << "open /w/cat.eda MPEGVideo";
        QTest::newRow("Eda") << "/w/cat.Eda"
                             << "open /w/cat.Eda MPEGVideo";
        QTest::newRow("EDA") << "/w/cat.EDA"
                             << "open /w/cat.EDA MPEGVideo";
        QTest::newRow("mp3") << "/w/song.mp3"
                             << "open /w/song.mp3 MPEGVideo";
        QTest::newRow("mpeg") << "/w/film.mpeg"
                              << "open /w/film.mpeg MPEGVideo";
        QTest::newRow("mpg") << "/w/film.MPG"
                             << "open /w/film.MPG MPEGVideo";
        QTest::newRow("wav") << "/w/ding.wav"
                             << "open /w/ding.wav Waveaudio";
        QTest::newRow("avi") << "/w/clip.avi"
                             << "open /w/clip.avi AviVideo";
        QTest::newRow("mid") << "/w/tune.Mid"
                             << "open /w/tune.Mid Sequencer";
        QTest::newRow("ogg gets none") << "/w/cat.ogg"
                                       << "open /w/cat.ogg";
        QTest::newRow("no extension") << "/w/cat"
                                      << "open /w/cat";
        QTest::newRow("eda in folder name only") << "/w/x.eda/cat"
                                                 << "open /w/x.eda/cat";
    }
    void typeHintComesFromUpperCasedSuffix() {
        // Catches a case-sensitive suffix test or a wrong device type for an extension.
        QFETCH(QString, path);
        QFETCH(QString, expectedOpen);
        ScopedRecordingDevice s;
        playSoundFile(path);
        QCOMPARE(s.device.log.value(1), expectedOpen);
    }

    void missingFileStopsTheOldSoundAndPlaysNothing() {
        // Catches a failed open that leaves the previous word playing, or a play sent to nothing.
        ScopedRecordingDevice s;
        playSoundFile(QStringLiteral("/x/cat.eda"));
        s.device.openSucceeds = false;
        s.device.log.clear();
        playSoundFile(QStringLiteral("/x/missing.eda"));
        QCOMPARE(s.device.log, QStringList({"close", "open /x/missing.eda MPEGVideo"}));
        QVERIFY(!s.device.isOpen());
        QCOMPARE(soundLength(), 0);
    }

    void playStartsFromThePositionTheDeviceReports() {
        // Catches a hard-coded start instead of the position query.
        ScopedRecordingDevice s;
        s.device.position = 250;
        playSoundFile(QStringLiteral("/x/cat.eda"));
        QCOMPARE(s.device.log.last(), QStringLiteral("play 250"));
    }

    void pendingHandlersWaitUntilTheSoundHasStarted() {
        // Catches the module yielding to pending events, which lets a close or a second click run in the
        // middle of an answer.
        ScopedRecordingDevice s;
        bool ran = false;
        QTimer::singleShot(0, [&ran] { ran = true; });
        playSoundFile(QStringLiteral("/x/first.eda"));
        playLetterSound(QStringLiteral("a"));
        spellWord(QStringLiteral("ab"));
        QVERIFY(!ran);
        QTRY_VERIFY(ran);
    }

    void withoutDeviceEverythingIsSilent() {
        // Catches a null device dereference before the sound device is installed (start-up, tools).
        setSoundDevice(nullptr);
        playSoundFile(QStringLiteral("/x/cat.eda"));
        spellWord(QStringLiteral("cat"));
        playCorrect();
        QCOMPARE(soundLength(), 0);
        QCOMPARE(soundPosition(), 0);
    }

    void emptyLetterDoesNothingAtAll() {
        // Catches a sound closed or opened for an empty letter.
        ScopedRecordingDevice s;
        playLetterSound(QString());
        spellWord(QString());
        QCOMPARE(s.device.log, QStringList());
    }

    void spellingPlaysEachLetterToItsEndThenTheWord_data() {
        QTest::addColumn<QString>("interruption"); // what happens after the first letter
        QTest::addColumn<QStringList>("opened");
        const QString c = "/prog/files/Letters/c.eda", a = "/prog/files/Letters/a.eda",
                      t = "/prog/files/Letters/t.eda", cat = "/w/cat.eda";
        QTest::newRow("heard through") << "" << QStringList{c, a, t, cat};
        QTest::newRow("missing letter skipped") << "missing a" << QStringList{c, t, cat};
        QTest::newRow("another word cancels") << "play" << QStringList{c, "/w/dog.eda"};
        QTest::newRow("leaving the game cancels") << "cancel" << QStringList{c};
    }
    void spellingPlaysEachLetterToItsEndThenTheWord() {
        // Catches letters opened over each other (only the last heard), the word spoken before the
        // letters end, or a spelling that goes on after another sound or after leaving the game.
        QFETCH(QString, interruption);
        QFETCH(QStringList, opened);
        ScopedRecordingDevice s;
        if (interruption == u"missing a") s.device.missing << QStringLiteral("/prog/files/Letters/a.eda");
        spellWord(QStringLiteral("cat"), QStringLiteral("/w/cat.eda"));
        QCOMPARE(s.device.log.filter(QStringLiteral("open ")).size(), 1);
        if (interruption == u"play") playSoundFile(QStringLiteral("/w/dog.eda"));
        if (interruption == u"cancel") cancelSoundQueue();
        for (int i = 0; i < 6; ++i)
            s.device.finish();
        QStringList played; // files opened and started
        for (qsizetype i = 0; i + 1 < s.device.log.size(); ++i)
            if (s.device.log[i].startsWith(u"open ") && s.device.log[i + 1].startsWith(u"play "))
                played << s.device.log[i].section(u' ', 1, 1);
        QCOMPARE(played, opened);
    }

    void letterFileIsFoundWithoutRegardToCase() {
        // Catches silence when the word material names its letters or folders in another case.
        QTemporaryDir program;
        QVERIFY(QDir(program.path()).mkpath(QStringLiteral("Files/letters")));
        QFile letter(program.path() + QStringLiteral("/Files/letters/C.eda"));
        QVERIFY(letter.open(QIODevice::WriteOnly));
        letter.close();
        appState().programFolder = program.path();
        ScopedRecordingDevice s;
        playLetterSound(QStringLiteral("c"));
        playLetterSound(QStringLiteral("q"));
        QCOMPARE(s.device.log.filter(QStringLiteral("open ")),
                 QStringList({QStringLiteral("open %1/Files/letters/C.eda MPEGVideo").arg(program.path()),
                              QStringLiteral("open %1/Files/letters/q.eda MPEGVideo").arg(program.path())}));
    }

    void effectPlaysItsOwnResource_data() {
        QTest::addColumn<std::function<void()>>("play");
        QTest::addColumn<QString>("expected");
        QTest::newRow("click") << std::function<void()>(playClick) << "effect CLICK";
        QTest::newRow("click home") << std::function<void()>(playClickHome) << "effect CLICKHOME";
        QTest::newRow("click game") << std::function<void()>(playClickGame) << "effect CLICKGAME";
        QTest::newRow("correct") << std::function<void()>(playCorrect) << "effect CORRECT";
        QTest::newRow("incorrect") << std::function<void()>(playIncorrect) << "effect INCORRECT";
        QTest::newRow("congrats") << std::function<void()>(playCongrats) << "effect CONGRATS";
        QTest::newRow("lose") << std::function<void()>(playLose) << "effect LOOSE";
        QTest::newRow("win by name") << std::function<void()>([] { playResourceSound("WIN"); })
                                     << "effect WIN";
        QTest::newRow("name in lower case")
            << std::function<void()>([] { playResourceSound("correct"); }) << "effect CORRECT";
    }
    void effectPlaysItsOwnResource() {
        // Catches an effect mapped to the wrong resource, or a resource missing from the build.
        QFETCH(std::function<void()>, play);
        QFETCH(QString, expected);
        ScopedRecordingDevice s;
        play();
        QCOMPARE(s.device.log, QStringList({expected}));
    }

    void unknownEffectPlaysNothing() {
        // Catches an unknown name reaching the device as an empty or default sound.
        ScopedRecordingDevice s;
        playResourceSound(QStringLiteral("NOSUCH"));
        playResourceSound(QString());
        QCOMPARE(s.device.log, QStringList());
    }
};

QTEST_GUILESS_MAIN(tst_SoundModule)
#include "tst_SoundModule.moc"
