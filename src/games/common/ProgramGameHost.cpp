// ProgramGameHost: the program's game host for effects, sounds and points.
#include "games/common/ProgramGameHost.h"

#include "audio/SoundModule.h"
#include "players/AnswerRecorder.h"
#include "score/ScoreModel.h"

#include <QFileInfo>

void ProgramGameHost::playEffect(Effect effect) {
    switch (effect) {
    case Effect::Click:
        playClick();
        break;
    case Effect::Correct:
        playCorrect();
        break;
    case Effect::Incorrect:
        playIncorrect();
        break;
    case Effect::Congrats:
        playCongrats();
        break;
    case Effect::Lose:
        playLose();
        break;
    }
}

void ProgramGameHost::playSoundFile(const QString& path) {
    ::playSoundFile(path);
}

void ProgramGameHost::spellWord(const QString& word, const QString& wordSoundPath) {
    ::spellWord(word, wordSoundPath);
}

void ProgramGameHost::addScore(qint32 points) {
    scoreModel().addScore(points);
}

void ProgramGameHost::explain(const QString&, const QString& soundPath) {
    // A pack made before the instructions existed has none: then the game is quiet, and the word or letter
    // that is playing goes on.
    if (QFileInfo(soundPath).isFile()) ::playSoundFile(soundPath);
}

void ProgramGameHost::answerJudged(const QString& word, bool right, qint32 points) {
    recordAnswer(gameName_, word, right, points);
}
