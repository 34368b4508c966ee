// ProgramGameHost: the program's game host for effects, sounds and points.
#include "games/common/ProgramGameHost.h"

#include "audio/mlib_AUD.h"
#include "score/ScoreModel.h"

#include <QFileInfo>

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

void ProgramGameHost::explain(const QString&, const QString& soundPath) {
    // A pack made before the instructions existed has none: then the game is quiet, and the word or letter
    // that is playing goes on.
    if (QFileInfo(soundPath).isFile()) PlaySoundFile(soundPath);
}
