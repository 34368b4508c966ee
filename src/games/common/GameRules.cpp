// GameRules: what the rules of every game share.
#include "games/common/GameRules.h"

#include "app/AppState.h"
#include "catalogue/Catalogue.h"

GameRules::GameRules(const GameEnv& env) : list_(env.lister), env_(env) {}

void GameRules::listSubject() {
    list_.point(Catalogue::subjectFolder(env_.app.section));
}

bool GameRules::usable(const QString& name) const {
    return Catalogue::matchesLanguage(name, env_.app.language);
}

void GameRules::speak(const QString& word) {
    // An empty word names no sound file.
    if (!word.isEmpty()) host().playSoundFile(wordSoundPath(word));
}

QString GameRules::wordSoundPath(const QString& word) const {
    return Catalogue::wordSoundPath(env_.app.section, word);
}
