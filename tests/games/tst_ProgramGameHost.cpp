// Tests of the program's game host: each effect plays its own built-in sound, points reach the score.
#include "games/common/ProgramGameHost.h"
#include "MemorySettingsStore.h"
#include "RecordingSoundDevice.h"
#include "score/ScoreModel.h"

#include <QtTest>

// Dialogs belong to the window; this host only needs to exist.
class SilentDialogsHost final : public ProgramGameHost {
public:
    void showResult(const DialogPicture&, const QString&, const QString&, const QString&,
                    const QString&) override {}
    void showMismatch(const QString&, const QString&, const QString&, const QString&, const QString&,
                      const QString&, const QString&) override {}
};

class tst_ProgramGameHost : public QObject {
    Q_OBJECT
private slots:
    void effectPlaysItsBuiltInSound_data();
    void effectPlaysItsBuiltInSound();
    void pointsReachTheRunningScore();
};

void tst_ProgramGameHost::effectPlaysItsBuiltInSound_data() {
    QTest::addColumn<int>("effect");
    QTest::addColumn<QString>("sound");
    QTest::newRow("click") << int(GameHost::Effect::Click) << "effect CLICK";
    QTest::newRow("correct") << int(GameHost::Effect::Correct) << "effect CORRECT";
    QTest::newRow("incorrect") << int(GameHost::Effect::Incorrect) << "effect INCORRECT";
    QTest::newRow("congrats") << int(GameHost::Effect::Congrats) << "effect CONGRATS";
    QTest::newRow("lose") << int(GameHost::Effect::Lose) << "effect LOOSE";
}

void tst_ProgramGameHost::effectPlaysItsBuiltInSound() {
    // Catches: two effects swapped or one mapped to the wrong resource.
    QFETCH(int, effect);
    QFETCH(QString, sound);
    ScopedRecordingDevice recording;
    SilentDialogsHost host;
    host.playEffect(GameHost::Effect(effect));
    QCOMPARE(recording.device.log, QStringList{sound});
}

void tst_ProgramGameHost::pointsReachTheRunningScore() {
    // Catches: awards that bypass the score model (no label update, no stored high score).
    ScopedMemoryStore store;
    SilentDialogsHost host;
    const int before = scoreModel().scoreTag().toInt();
    host.addScore(10);
    QCOMPARE(scoreModel().scoreTag().toInt(), before + 10);
}

QTEST_GUILESS_MAIN(tst_ProgramGameHost)
#include "tst_ProgramGameHost.moc"
