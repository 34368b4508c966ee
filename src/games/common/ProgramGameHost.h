// ProgramGameHost: the program's game host for effects, sounds and points; the game window adds the dialogs.
#pragma once

#include "games/common/GameHost.h"

class ProgramGameHost : public GameHost {
public:
    // gameName: how the answer log names the game.
    explicit ProgramGameHost(QString gameName = QString()) : gameName_(std::move(gameName)) {}

    void playEffect(Effect effect) override;
    void playSoundFile(const QString& path) override;
    void spellWord(const QString& word, const QString& wordSoundPath) override;
    void addScore(qint32 points) override;
    // Speaks the instruction; the window adds the notice line.
    void explain(const QString& sentence, const QString& soundPath) override;
    void answerJudged(const QString& word, bool right, qint32 points) override;

private:
    QString gameName_;
};
