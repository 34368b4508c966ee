// CardsWindow: the flash cards window: guess the picture's word, turn the card, say whether you were right.
#pragma once

#include "games/cards/CardsRules.h"
#include "games/common/GameWindow.h"

class ImageButton;

class CardsWindow : public GameWindow {
    Q_OBJECT
public:

    explicit CardsWindow(const GameDescriptor& game, QWidget* parent = nullptr);

    // Points the list at the subject. chooseSubject makes no call: the rules list the subject when they are made.
    void startFromMenu() override;

    const CardsRules& game() const { return rules_; }

    ClickLabel* mainPicture() const { return picture_; }
    QWidget* cardPanel() const { return cardPanel_; }
    QLabel* wordLabel() const { return wordLabel_; }
    QLabel* correctLabel() const { return correctLabel_; }
    QLabel* letterLabel() const { return letterLabel_; }
    ImageButton* showButton() const { return showButton_; }
    ImageButton* yesButton() const { return yesButton_; }
    ImageButton* noButton() const { return noButton_; }
    ImageButton* passButton() const { return passButton_; }
    ClickLabel* playPicture() const { return playPicture_; }
    ClickLabel* previousPicture() const { return previousPicture_; }
    ClickLabel* nextPicture() const { return nextPicture_; }

protected:
    GameRules& rules() override { return rules_; }
    const GameRules& rules() const override { return rules_; }
    RunDisplay runDisplay() const override { return rules_.display(); }
    void activateGame() override;
    void redraw() override;

private:
    CardsRules rules_;
    ClickLabel* picture_ = nullptr;
    QWidget* cardPanel_ = nullptr;
    QLabel* cardPicture_ = nullptr;
    QLabel* wordLabel_ = nullptr;
    QLabel* correctLabel_ = nullptr;
    ImageButton* yesButton_ = nullptr;
    ImageButton* noButton_ = nullptr;
    ImageButton* showButton_ = nullptr;
    ImageButton* passButton_ = nullptr;
    QLabel* questionLabel_ = nullptr;
    QLabel* noteLabel_ = nullptr;
    QLabel* letterLabel_ = nullptr;
    ClickLabel* playPicture_ = nullptr;
    ClickLabel* previousPicture_ = nullptr;
    ClickLabel* nextPicture_ = nullptr;
    FramedPicture main_;
};
