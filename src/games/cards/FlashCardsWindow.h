// fgam_CRD: the flash cards window: guess the picture's word, turn the card, say whether you were right.
#pragma once

#include "games/cards/CardsRules.h"
#include "games/common/GameWindow.h"

class uctl_BTN;

class fgam_CRD : public GameWindow {
    Q_OBJECT
public:
    static constexpr int GameNumber = 2;

    explicit fgam_CRD(QWidget* parent = nullptr);

    // LoadPicturecardsList. SectionClick makes no call: the rules list the subject when they are made.
    void StartFromMenu() override;

    const CardsRules& game() const { return rules_; }

    ClickLabel* mainPicture() const { return picMAIN; }
    QWidget* cardPanel() const { return pfrCARD; }
    QLabel* wordLabel() const { return lblWORD; }
    QLabel* correctLabel() const { return lablCORRECT; }
    QLabel* letterLabel() const { return lblLETTER; }
    uctl_BTN* showButton() const { return btnSHOW; }
    uctl_BTN* yesButton() const { return btnYES; }
    uctl_BTN* noButton() const { return btnNO; }
    uctl_BTN* passButton() const { return btnPASS; }
    ClickLabel* playPicture() const { return imgPLAY; }
    ClickLabel* previousPicture() const { return imgPREV; }
    ClickLabel* nextPicture() const { return imgNEXT; }

protected:
    GameRules& rules() override { return rules_; }
    const GameRules& rules() const override { return rules_; }
    RunDisplay runDisplay() const override { return rules_.display(); }
    void activateGame() override;
    void redraw() override;

private:
    CardsRules rules_;
    ClickLabel* picMAIN = nullptr;
    QWidget* pfrCARD = nullptr;
    QLabel* imgCARD = nullptr;
    QLabel* lblWORD = nullptr;
    QLabel* lablCORRECT = nullptr;
    uctl_BTN* btnYES = nullptr;
    uctl_BTN* btnNO = nullptr;
    uctl_BTN* btnSHOW = nullptr;
    uctl_BTN* btnPASS = nullptr;
    QLabel* lblWHATSWORD = nullptr;
    QLabel* lblNOTE = nullptr;
    QLabel* lblLETTER = nullptr;
    ClickLabel* imgPLAY = nullptr;
    ClickLabel* imgPREV = nullptr;
    ClickLabel* imgNEXT = nullptr;
    FramedPicture main_;
};
