// NotingHost: the game host a game's rules talk to: it passes everything on and notes judged answers for
// the word draw.
#pragma once

#include "games/common/GameHost.h"
#include "games/common/WordDraw.h"

class NotingHost final : public GameHost {
public:
    NotingHost(GameHost& host, WordDraw& draw) : host_(host), draw_(draw) {}

    void playEffect(Effect effect) override { host_.playEffect(effect); }
    void playSoundFile(const QString& path) override { host_.playSoundFile(path); }
    void spellWord(const QString& word, const QString& wordSoundPath) override {
        host_.spellWord(word, wordSoundPath);
    }
    void showResult(const DialogPicture& picture, const QString& title, const QString& text,
                    const QString& folder, const QString& word) override {
        host_.showResult(picture, title, text, folder, word);
    }
    void showMismatch(const QString& picture1, const QString& picture2, const QString& title,
                      const QString& text, const QString& folder, const QString& word1,
                      const QString& word2) override {
        host_.showMismatch(picture1, picture2, title, text, folder, word1, word2);
    }
    void addScore(qint32 points) override { host_.addScore(points); }
    void explain(const QString& sentence, const QString& soundPath) override { host_.explain(sentence, soundPath); }
    void answerJudged(const QString& word, bool right, qint32 points) override {
        draw_.judged(word, right);
        host_.answerJudged(word, right, points);
    }

private:
    GameHost& host_;
    WordDraw& draw_;
};
