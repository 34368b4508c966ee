// ListeningWindow: the listening game window: four cards turn up, a word is spoken, the learner clicks its card.
#pragma once

#include <array>

#include "games/common/GameWindow.h"
#include "games/common/PictureFetch.h"
#include "games/listening/ListeningRules.h"

class ImageButton;

class ListeningWindow : public GameWindow {
    Q_OBJECT
public:
    static constexpr int RevealMs = 100;

    explicit ListeningWindow(const GameDescriptor& game, QWidget* parent = nullptr);

    const ListeningRules& game() const { return rules_; }

    ClickLabel* card(int i) const { return cards_[i]; }
    ImageButton* againButton() const { return playAgainButton_; }
    ImageButton* passButton() const { return passButton_; }
    ImageButton* selectButton() const { return selectButton_; }
    ClickLabel* wordLabel() const { return wordLabel_; }
    QLabel* promptLabel() const { return promptLabel_; }
    ClickLabel* playPicture() const { return playPicture_; }
    ClickLabel* previousPicture() const { return previousPicture_; }
    ClickLabel* nextPicture() const { return nextPicture_; }

protected:
    GameRules& rules() override { return rules_; }
    const GameRules& rules() const override { return rules_; }
    RunDisplay runDisplay() const override { return rules_.display(); }
    void activateGame() override;
    void redraw() override;
    void keyPressEvent(QKeyEvent* event) override;
    bool revealPending() const override { return rules_.revealing(); }
    void revealStep() override { rules_.revealTick(); }

private:
    void showCardPictures();

    ListeningRules rules_;
    std::array<ClickLabel*, ListeningRules::CardCount> cards_{};
    std::array<QString, ListeningRules::CardCount> shownPictures_;
    std::array<bool, ListeningRules::CardCount> pictureSet_{};
    PictureFetch fetch_;
    QLabel* promptLabel_ = nullptr;
    ImageButton* playAgainButton_ = nullptr;
    ImageButton* passButton_ = nullptr;
    ImageButton* selectButton_ = nullptr;
    ClickLabel* wordLabel_ = nullptr;
    ClickLabel* playPicture_ = nullptr;
    ClickLabel* previousPicture_ = nullptr;
    ClickLabel* nextPicture_ = nullptr;
};
