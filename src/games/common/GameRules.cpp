// GameRules: what the rules of every game share.
#include "games/common/GameRules.h"

#include "app/AppState.h"
#include "app/GameList.h"
#include "catalogue/Catalogue.h"
#include "catalogue/GameInstructions.h"
#include "games/common/ExplainedGames.h"
#include "games/common/PictureCheck.h"
#include "players/PlayerRegistry.h"

#include <algorithm>

GameRules::GameRules(const GameEnv& env)
    : list_(env.lister), env_(env), draw_(env.random, env.practice), notingHost_(env.host, draw_) {}

void GameRules::listSubject() {
    list_.point(Catalogue::subjectFolders(env_.app.section));
    draw_.follow(env_.app.section);
}

bool GameRules::usable(const QString& name) const {
    if (!Catalogue::matchesLanguage(name, env_.app.language)) return false;
    return !env_.pictures || !env_.pictures->knownBroken(list_.pathOf(name));
}

bool GameRules::picturesShow(const QStringList& names) {
    if (!env_.pictures) return true;
    return std::ranges::all_of(names, [this](const QString& name) { return env_.pictures->shows(list_.pathOf(name)); });
}

QStringList GameRules::drawTurn(int size, const QString& avoidWord) {
    for (;;) {
        const QStringList turn = draw_.turnFiles(
            list_.names(), size, [this](const QString& name) { return usable(name); },
            [](const QString& name) { return Catalogue::wordFromFileName(name); }, avoidWord);
        if (turn.isEmpty() || picturesShow(turn)) return turn;
    }
}

int GameRules::pickPuzzle(const QString& lastWord, const std::function<bool(const QString&)>& playable) {
    for (;;) {
        const int index = draw_.pickPuzzle(
            list_.names(), [this](const QString& name) { return usable(name); }, lastWord, playable);
        if (index < 0 || picturesShow({list_.name(index)})) return index;
    }
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
