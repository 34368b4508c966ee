// ProgramGameHost: the program's game host for effects, sounds and points.
#include "games/common/ProgramGameHost.h"

#include "audio/mlib_AUD.h"
#include "players/AnswerRecorder.h"
#include "score/ScoreModel.h"

void ProgramGameHost::playEffect(Effect effect) {
    switch (effect) {
    case Effect::Click:
        PlayClick();
        break;
    case Effect::Correct:
        PlayCorrect();
        break;
    case Effect::Incorrect:
        PlayIncorrect();
        break;
    case Effect::Congrats:
        PlayCongrats();
        break;
    case Effect::Lose:
        PlayLose();
        break;
    }
}

void ProgramGameHost::playSoundFile(const QString& path) {
    PlaySoundFile(path);
}

void ProgramGameHost::spellWord(const QString& word, const QString& wordSoundPath) {
    SpellWord(word, wordSoundPath);
}

void ProgramGameHost::addScore(qint32 points) {
    scoreModel().AddScore(points);
}

void ProgramGameHost::answerJudged(const QString& word, bool right, qint32 points) {
    recordAnswer(gameName_, word, right, points);
}
