// MemoryRules: the memory game: twelve cards hide six words twice; find the pairs in as few turns as you can.
#pragma once

#include "games/common/GameRules.h"
#include "games/common/Rgb.h"
#include "games/memory/MemoryBoard.h"

#include <array>

class MemoryRules : public GameRules {
public:
    static constexpr int CardCount = MemoryBoard::CardCount;
    static constexpr int PairCount = MemoryBoard::PairCount;
    static constexpr int StartPoints = 20;
    static constexpr int MinimumFiles = MemoryBoard::MinimumFiles;

    enum class Back { White, Blue, Red };

    struct Card {
        QString word;       // the word the card shows, matched against its pair
        QString picture;    // the picture file; empty when none was dealt
        bool shown = false; // dealt onto the table
        Back back = Back::White;
        bool faceUp = false; // picture shown and "?" hidden
        bool enabled = true; // takes clicks
    };

    explicit MemoryRules(const GameEnv& env);

    // Points the list at the subject.
    void loadPictureList() { listSubject(); }
    // Lists the subject and places six different words on cards 0-5 and again, in a
    // random order, on cards 6-11. Too few files or words: notice() says so, and nothing is dealt.
    void startNewGame();
    // On the window's load, Pass and a won game: a new game, every card taken off the table, and the
    // dealing started; the window then calls dealTick() every 100 ms while dealing() holds.
    void restart();
    // passButton_: a new game at any time, without points or sound; not while a pair is being judged.
    void pass();
    // One step of the dealing animation: the first arms it, each one after shows the next card blue.
    // Returns false once all twelve are shown.
    bool dealTick();
    // A click on card i (or its "?").
    void clickCard(int index);

    static Rgb backColour(Back back);

    bool playing() const { return playing_; }
    bool dealing() const { return dealing_; }
    // Cards turned in the current attempt (0 or 1 between clicks).
    int selectedCount() const { return selectedCount_; }
    // True from the second card of an attempt until the pair is judged: no card takes a click.
    bool judging() const { return judging_; }
    int tryCount() const { return tryCount_; }
    int pairsFound() const { return pairsFound_; }
    int dealtCount() const { return dealtCount_; }
    const QString& secondWord() const { return secondWord_; }
    // What finishing the board wins now: one point fewer per attempt, but never less than one, so a long
    // game still wins something and never takes points away.
    int pointsLeft() const { return qMax(1, StartPoints - tryCount_); }
    // scoreLabel_: the points left ("14/20").
    QString pointsLabel() const {
        return QString::number(pointsLeft()) + QStringLiteral("/") + QString::number(StartPoints);
    }
    const std::array<Card, CardCount>& cards() const { return cards_; }

private:
    bool drawWords();
    void judgePair();
    void turnDown(Card& card);

    std::array<Card, CardCount> cards_;
    QString secondWord_;
    int selectedCount_ = 0;
    int tryCount_ = 0;
    int pairsFound_ = 0;
    int dealtCount_ = 0;
    bool dealArmed_ = false;
    bool dealing_ = false;
    bool judging_ = false;
    bool playing_ = false;
};
