// HookedGameHost: passes everything to a recording host, keeps the mismatch dialog's arguments, and lets a
// test act while an effect or a sound file starts (where the sound module lets pending clicks in).
#pragma once

#include "RecordingGameHost.h"

#include <functional>

class HookedGameHost final : public GameHost {
public:
    explicit HookedGameHost(RecordingGameHost& inner) : inner_(inner) {}

    void playEffect(Effect effect) override;
    void playSoundFile(const QString& path) override;
    void spellWord(const QString& word, const QString& wordSoundPath) override;
    void showResult(const DialogPicture& picture, const QString& title, const QString& text,
                    const QString& folder, const QString& word) override;
    void showMismatch(const QString& picture1, const QString& picture2, const QString& title,
                      const QString& text, const QString& folder, const QString& word1,
                      const QString& word2) override;
    void addScore(qint32 points) override;
    void explain(const QString& sentence, const QString& soundPath) override;
    void answerJudged(const QString& word, bool right, qint32 points) override {
        inner_.answerJudged(word, right, points);
    }

    // picture 1, picture 2, folder, word 1, word 2 of the last mismatch dialog.
    QStringList mismatch;
    std::function<void(Effect)> duringEffect;
    std::function<void(const QString& path)> duringSound;

private:
    RecordingGameHost& inner_;
};
