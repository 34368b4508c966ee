// fgam_CHS: the choose game window: one picture and six word buttons turning up one by one.
#pragma once

#include <array>

#include "games/choose/ChooseRules.h"
#include "games/common/GameWindow.h"

class uctl_BTN;

class fgam_CHS : public GameWindow {
    Q_OBJECT
public:
    static constexpr int GameNumber = 4;
    static constexpr int RevealMs = 200;

    explicit fgam_CHS(QWidget* parent = nullptr);

    // LoadPicturewordList.
    void StartFromMenu() override;

    const ChooseRules& game() const { return rules_; }

    ClickLabel* mainPicture() const { return picMAIN; }
    uctl_BTN* wordButton(int i) const { return pneCHOOSE[i]; }
    uctl_BTN* playAgainButton() const { return btnPLAYAGAIN; }
    uctl_BTN* passButton() const { return btnPASS; }

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
    std::array<uctl_BTN*, ChooseRules::ButtonCount> pneCHOOSE{};
    ClickLabel* picMAIN = nullptr;
    QLabel* lblSPEAK = nullptr;
    uctl_BTN* btnPLAYAGAIN = nullptr;
    uctl_BTN* btnPASS = nullptr;
    FramedPicture main_;
};
