// CardsRules: the flash cards game (guess, turn, answer Yes or No) with its card browser.
#pragma once

#include "games/common/GameRules.h"
#include "games/common/RunDisplay.h"

#include <QList>

class CardsRules : public GameRules {
public:
    static constexpr int Goal = 10;

    struct Card {
        QString picture;
        QString word;
        QString name; // the listed file
    };

    // Lists the subject at once, so the first card is drawn from it whoever opens the window.
    explicit CardsRules(const GameEnv& env);

    // Activation: a new random card, the word hidden, the run back to nought.
    void activate();
    // "Show the word": the card turns, its word is spoken, Yes and No are offered.
    void showWord();
    // The learner's guess was right: counts it (ten in a row win 10 points), then the next card.
    void yes();
    // The guess was wrong: the run back to nought, then the next card.
    void no();
    // Another card; the run back to nought.
    void pass();
    // Lists the subject again (the language may have changed) and draws a card from it.
    void loadCardsList();
    // The browser's arrows: the card before or after the one on the table becomes the card on the table.
    void previousCard();
    void nextCard();
    // The browser's play button: speaks the word of the card on the table.
    void playShownWord();

    // The cards of the subject that suit the language, in list order.
    const QList<Card>& cards() const { return cards_; }
    // The card on the table (-1 when the subject has none).
    int cardIndex() const { return current_; }
    const QString& mainPicture() const;
    // wordLabel_: the word of the card on the table.
    const QString& cardWord() const;
    // cardPanel_, the turned side; yesButton_/noButton_/correctLabel_ inside it; showButton_.
    bool cardTurned() const { return turned_; }
    bool answerVisible() const { return turned_; }
    bool showVisible() const { return !turned_ && current_ >= 0; }
    int correctCount() const { return display_.count; }
    const RunDisplay& display() const { return display_; }
    // letterLabel_: the first letter of the card on the table, in both cases ("C c").
    QString letterCaption() const;

private:
    void listCards();
    void drawCard();
    void putOnTable(int index);
    bool keepIfShown(int index);
    // One card on with the arrows (by = +1 or -1), passing over damaged pictures.
    void step(int by);
    void setCount(int n) { display_.show(n); }

    QList<Card> cards_;
    int current_ = -1;
    bool turned_ = false;
    RunDisplay display_;
};
