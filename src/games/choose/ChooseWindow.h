// ChooseWindow: the choose game window: one picture and six word buttons turning up one by one.
#pragma once

#include <array>

#include "games/choose/ChooseRules.h"
#include "games/common/GameWindow.h"

class ImageButton;

class ChooseWindow : public GameWindow {
    Q_OBJECT
public:
    static constexpr int RevealMs = 200;

    explicit ChooseWindow(const GameDescriptor& game, QWidget* parent = nullptr);

    // Points the list at the subject.
    void startFromMenu() override;

    const ChooseRules& game() const { return rules_; }

    ClickLabel* mainPicture() const { return picture_; }
    ImageButton* wordButton(int i) const { return wordButtons_[i]; }
    ImageButton* playAgainButton() const { return playAgainButton_; }
    ImageButton* passButton() const { return passButton_; }

protected:
    GameRules& rules() override { return rules_; }
    const GameRules& rules() const override { return rules_; }
    RunDisplay runDisplay() const override { return rules_.display(); }
    void activateGame() override { rules_.activate(); }
    void redraw() override;
    bool revealPending() const override { return rules_.revealing(); }
    void revealStep() override { rules_.revealTick(); }

private:
    ChooseRules rules_;
    std::array<ImageButton*, ChooseRules::ButtonCount> wordButtons_{};
    ClickLabel* picture_ = nullptr;
    QLabel* spokenWordLabel_ = nullptr;
    ImageButton* playAgainButton_ = nullptr;
    ImageButton* passButton_ = nullptr;
    FramedPicture main_;
};
