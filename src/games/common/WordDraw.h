// WordDraw: which word a game asks next: uniformly at random, or following what the player knows.
#pragma once

#include "players/WordState.h"

#include <functional>
#include <QHash>
#include <QStringList>

class PracticeSource;
class RandomSource;

// Practising, a word missed in this sitting comes back after two to four other turns (not at once, when
// short-term memory would answer it); then words due by their box; then words not met yet; learned words
// about one turn in eight. Within a sitting a met word rests some turns by its box and is then due again,
// so a long sitting keeps fresh what it has met. Each pick is a turn. Without a source, or with the setting off, every pick is
// the games' uniform draw, random number for random number.
class WordDraw {
public:
    // Turns between a miss and its word's next asking, at least.
    static constexpr int MissSpacing = 3;
    static constexpr int LearnedOneIn = 8;

    WordDraw(RandomSource& random, PracticeSource* source);

    // Called as a game lists its subject: reads the setting, and the player's word states once per
    // player and subject.
    void follow(const QString& subject);
    bool practising() const { return practising_; }
    const WordStates& states() const { return states_; }

    // One index of 0 .. n-1 for which accept holds (-1 when none does); wordOf names an index's word.
    int pick(int n, const std::function<bool(int)>& accept, const std::function<QString(int)>& wordOf);
    // The files of one turn, target first (see Draw::turnFiles); the other files stay uniform.
    QStringList turnFiles(const QStringList& names, int size, const std::function<bool(const QString&)>& usable,
                          const std::function<QString(const QString&)>& wordOf, const QString& avoidWord);
    // Another entry of n than current (the same when it is the only one); wordOf names an entry's word.
    int pickOther(int n, int current, const std::function<QString(int)>& wordOf);
    // The word of a letter game: any listed file but the first that is usable, whose word is not lastWord
    // and is playable. -1 when none is.
    int pickPuzzle(const QStringList& names, const std::function<bool(const QString&)>& usable,
                   const QString& lastWord, const std::function<bool(const QString&)>& playable);

    // A judged answer of the game: the word moves on in this sitting.
    void judged(const QString& word, bool right);

private:
    struct Rank;
    Rank rank(const QString& word, bool learnedTurn, qint64 today) const;

    RandomSource& random_;
    PracticeSource* source_;
    bool practising_ = false;
    QString loaded_; // "player/subject" of states_
    WordStates states_;
    int turn_ = 0;
    QHash<QString, int> askedTurn_; // this sitting: the turn a word was last asked
    QHash<QString, int> missedTurn_; // this sitting: words missed and not answered right since
};
