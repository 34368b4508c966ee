// GameRules: what the rules of every game share: the host, the generator, the subject and the picture list.
#pragma once

#include "games/common/GameEnv.h"
#include "games/common/GameHost.h"
#include "games/common/NotingHost.h"
#include "games/common/PictureList.h"
#include "games/common/WordDraw.h"

#include <functional>
#include <QString>
#include <QStringList>

class GameRules {
public:
    explicit GameRules(const GameEnv& env);
    virtual ~GameRules() = default;
    GameRules(const GameRules&) = delete;
    GameRules& operator=(const GameRules&) = delete;

    // The subject title the opener writes into the window; the result dialogs get it as the folder.
    void setSubjectTitle(const QString& title) { subjectTitle_ = title; }
    const QString& subjectTitle() const { return subjectTitle_; }
    // A calm line for the window ("This subject needs at least 4 pictures for this game."); empty when
    // there is nothing to say.
    const QString& notice() const { return notice_; }
    const PictureList& pictures() const { return list_; }

    // The game's instruction: asked for the first time the game opens after the program starts.
    void explainOnFirstOpening();
    // Asked for again (a click on the title panel).
    void explain();

protected:
    GameHost& host() { return notingHost_; }
    RandomSource& random() { return env_.random; }
    // Every word a game asks comes from here.
    WordDraw& draw() { return draw_; }
    // Points the list (and the word draw) at the current subject's folder.
    void listSubject();
    // Whether a listed name suits the current language and its picture is not known to be damaged.
    bool usable(const QString& name) const;
    // Whether every listed name's picture can be shown. A damaged one is known from then on, so usable()
    // refuses it and drawing again until this holds always ends.
    bool picturesShow(const QStringList& names);
    // The files of a turn (see WordDraw::turnFiles), each picture one that shows; empty when too few are.
    QStringList drawTurn(int size, const QString& avoidWord);
    // A letter game's word (see WordDraw::pickPuzzle) whose picture shows; -1 when none is left.
    int pickPuzzle(const QString& lastWord, const std::function<bool(const QString&)>& playable);
    // Speaks a word of the current subject; an empty word is silence.
    void speak(const QString& word);
    QString wordSoundPath(const QString& word) const;
    void setNotice(const QString& text) { notice_ = text; }

    PictureList list_;

private:
    GameEnv env_;
    WordDraw draw_;
    NotingHost notingHost_;
    QString subjectTitle_;
    QString notice_;
};
