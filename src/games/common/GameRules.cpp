// GameRules: what the rules of every game share.
#include "games/common/GameRules.h"

#include "app/AppState.h"
#include "app/GameList.h"
#include "catalogue/Catalogue.h"
#include "catalogue/GameInstructions.h"
#include "games/common/ExplainedGames.h"
#include "players/PlayerRegistry.h"

GameRules::GameRules(const GameEnv& env)
    : list_(env.lister), env_(env), draw_(env.random, env.practice), notingHost_(env.host, draw_) {}

void GameRules::listSubject() {
    list_.point(Catalogue::subjectFolders(env_.app.section));
    draw_.follow(env_.app.section);
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

void GameRules::explainOnFirstOpening() {
    if (env_.game && ExplainedGames::firstTime(playerRegistry().currentId(), env_.game->number)) explain();
}

void GameRules::explain() {
    if (!env_.game) return;
    host().explain(QString::fromLatin1(env_.game->instruction),
                   Catalogue::instructionSoundPath(GameInstructions::sentenceFile(*env_.game)));
}
