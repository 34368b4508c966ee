// ListeningRules: the listening game: four cards are dealt, a word is spoken, the learner clicks its card.
#pragma once

#include "games/common/GameRules.h"
#include "games/common/RunDisplay.h"
#include "games/common/TenInARow.h"

#include <array>

class ListeningRules : public GameRules {
public:
    static constexpr int CardCount = 4;

    struct Card {
        QString picture; // full path; empty before the first deal
        QString word;
        bool visible = false;
    };

    explicit ListeningRules(const GameEnv& env);

    // Every activation deals a new turn.
    void activate() { deal(); }
    // Lists the subject and deals four cards face down; the window then drives revealTick().
    void deal();
    // One reveal step (the window calls it every 100 ms while revealing() holds): shows the next card;
    // once all four are shown it speaks the word and returns false.
    bool revealTick();
    // The learner's answer with card i.
    void clickCard(int index);
    // The arrows: the highlight steps one card back or forward among the four shown and that card's word
    // is spoken. They never answer; answerHighlighted() does (Enter or Space on the highlighted card).
    void browsePrevious();
    void browseNext();
    void answerHighlighted();
    // selectButton_: another word from the cards on the table is spoken, the cards stay.
    void sayAnotherWord();
    // Pass: a new turn; the run is kept.
    void pass() { deal(); }
    // "Play again" and clicks on the word or picture: the word shown is spoken again.
    void playWord();

    const std::array<Card, CardCount>& cards() const { return cards_; }
    bool revealing() const { return revealing_; }
    int revealIndex() const { return revealIndex_; }
    const QString& targetWord() const { return targetWord_; }
    // wordLabel_: the turn's word after a deal, the clicked card's word after an answer.
    const QString& shownWord() const { return shownWord_; }
    // picture: the picture a result dialog shows.
    const QString& mainPicture() const { return mainPicture_; }
    // promptLabel_.
    const QString& prompt() const { return prompt_; }
    bool selectVisible() const { return selectVisible_; }
    // The highlighted card, -1 when none (after every deal).
    int highlighted() const { return highlighted_; }
    int correctInRow() const { return run_.count(); }
    const RunDisplay& display() const { return run_.display(); }

private:
    void clearTable();
    void stepHighlight(int step);
    // The picture of the word asked: its card on the table.
    QString targetPicture() const;

    std::array<Card, CardCount> cards_;
    TenInARow run_;
    QString targetWord_;
    QString shownWord_;
    QString mainPicture_;
    QString prompt_;
    int highlighted_ = -1;
    int revealIndex_ = 0;
    bool revealing_ = false;
    bool selectVisible_ = false;
};
