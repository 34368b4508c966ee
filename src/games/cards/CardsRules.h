// CardsRules: the flash cards game (guess, turn, answer Yes or No) and its card browser.
#pragma once

#include "games/common/GameRules.h"
#include "games/common/RunDisplay.h"

#include <array>

class CardsRules : public GameRules {
public:
    static constexpr int CacheSize = 26;

    struct CachedCard {
        QString picture;
        QString word;
        bool visible = false;
    };

    // Points the list at the subject at once, so the first card is drawn from it whoever opens the window.
    explicit CardsRules(const GameEnv& env);

    // Activation: a new random card, the panel hidden, the run back to nought (counter and meter stay).
    void activate();
    // "Show the word".
    void showWord();
    void yes();
    void no();
    void pass();
    // LoadPicturecardsList: lists the subject again and fills the browser's cache.
    void loadCardsList();
    // The browser's arrows: both step forward.
    void nextCard();
    // The browser's play button: speaks the word shown.
    void playShownWord();

    // picMAIN and its Tag: "1" guessing, "0" word shown, empty before the first turn.
    const QString& mainPicture() const { return mainPicture_; }
    const QString& cardState() const { return cardState_; }
    const QString& cardWord() const { return cardWord_; }
    // lblWORD.
    const QString& shownWord() const { return shownWord_; }
    // pfrCARD, the turned side; btnYES/btnNO/lablCORRECT inside it; btnSHOW.
    bool cardTurned() const { return cardTurned_; }
    bool answerVisible() const { return answerVisible_; }
    bool showVisible() const { return showVisible_; }
    int correctCount() const { return correctCount_; }
    const RunDisplay& display() const { return display_; }
    const std::array<CachedCard, CacheSize>& cache() const { return cache_; }
    int cardIndex() const { return cardIndex_; }
    // lblLETTER's caption ("C c") and tag ("c").
    const QString& letterCaption() const { return letterCaption_; }
    const QString& letterTag() const { return letterTag_; }

private:
    void drawCard();
    void turnCard();
    void showLoadedCard(int index);
    void setCount(int n);

    std::array<CachedCard, CacheSize> cache_;
    RunDisplay display_;
    QString mainPicture_;
    QString cardState_;
    QString cardWord_;
    QString shownWord_;
    QString letterCaption_ = QStringLiteral("     ");
    QString letterTag_;
    int correctCount_ = 0;
    int cardIndex_ = 0;
    bool cardTurned_ = false;
    bool answerVisible_ = true;
    bool showVisible_ = true;
};
