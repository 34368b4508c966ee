// HookedGameHost: a recording host with hooks into effects and sounds.
#include "HookedGameHost.h"

void HookedGameHost::playEffect(Effect effect) {
    inner_.playEffect(effect);
    if (duringEffect) duringEffect(effect);
}

void HookedGameHost::playSoundFile(const QString& path) {
    inner_.playSoundFile(path);
    if (duringSound) duringSound(path);
}

void HookedGameHost::spellWord(const QString& word, const QString& wordSoundPath) {
    inner_.spellWord(word, wordSoundPath);
}

void HookedGameHost::showResult(const DialogPicture& picture, const QString& title, const QString& text,
                                const QString& folder, const QString& word) {
    inner_.showResult(picture, title, text, folder, word);
}

void HookedGameHost::showMismatch(const QString& picture1, const QString& picture2, const QString& title,
                                  const QString& text, const QString& folder, const QString& word1,
                                  const QString& word2) {
    mismatch = {picture1, picture2, folder, word1, word2};
    inner_.showMismatch(picture1, picture2, title, text, folder, word1, word2);
}

void HookedGameHost::addScore(qint32 points) {
    inner_.addScore(points);
}

void HookedGameHost::explain(const QString& sentence, const QString& soundPath) {
    inner_.explain(sentence, soundPath);
}
