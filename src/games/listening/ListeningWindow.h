// fgam_LIS: the listening game window: four cards turn up, a word is spoken, the learner clicks its card.
#pragma once

#include <array>

#include "games/common/GameWindow.h"
#include "games/common/PictureFetch.h"
#include "games/listening/ListeningRules.h"

class uctl_BTN;

class fgam_LIS : public GameWindow {
    Q_OBJECT
public:
    static constexpr int GameNumber = 1;
    static constexpr int RevealMs = 100;

    explicit fgam_LIS(QWidget* parent = nullptr);

    const ListeningRules& game() const { return rules_; }

    ClickLabel* card(int i) const { return imgLOAD[i]; }
    uctl_BTN* againButton() const { return pneAGAIN; }
    uctl_BTN* passButton() const { return btnPASS; }
    uctl_BTN* selectButton() const { return pneSELECT; }
    ClickLabel* wordLabel() const { return lblWORD; }
    QLabel* promptLabel() const { return lablMSG; }
    ClickLabel* playPicture() const { return imgPLAY; }
    ClickLabel* previousPicture() const { return imgPREV; }
    ClickLabel* nextPicture() const { return imgNEXT; }

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
    std::array<ClickLabel*, ListeningRules::CardCount> imgLOAD{};
    std::array<QString, ListeningRules::CardCount> shownPictures_;
    std::array<bool, ListeningRules::CardCount> pictureSet_{};
    PictureFetch fetch_;
    QLabel* lablMSG = nullptr;
    uctl_BTN* pneAGAIN = nullptr;
    uctl_BTN* btnPASS = nullptr;
    uctl_BTN* pneSELECT = nullptr;
    ClickLabel* lblWORD = nullptr;
    ClickLabel* imgPLAY = nullptr;
    ClickLabel* imgPREV = nullptr;
    ClickLabel* imgNEXT = nullptr;
};
