// fgam_HID: the hidden letters game window: a picture, its masked word, 26 letter buttons and a misses meter.
#pragma once

#include <QList>

#include "games/common/GameWindow.h"
#include "games/hidden/HiddenRules.h"

class ClickLabel;
class WordPicture;
class MissesMeter;
class QLabel;
class uctl_BTN;

class fgam_HID final : public GameWindow {
    Q_OBJECT
public:
    static constexpr int GameNumber = 5;

    explicit fgam_HID(QWidget* parent = nullptr);

    // The game menu and SectionClick both list the subject and start a word.
    void StartFromMenu() override;
    void StartFromSectionClick() override;

    const HiddenRules& game() const { return rules_; }
    uctl_BTN* letterButton(int index) const { return pneCHARS.value(index); }
    QLabel* wordLabel() const { return lblWORDHIDDEN; }
    QLabel* chosenLabel() const { return lblSOFAR; }
    WordPicture* mainPicture() const { return picMAIN; }
    ClickLabel* nextPicture() const { return imgNEXT; }
    uctl_BTN* passButton() const { return btnPASS; }
    uctl_BTN* playButton() const { return btnPLAYAGAIN; }
    MissesMeter* missesMeter() const { return misses_; }

protected:
    GameRules& rules() override { return rules_; }
    const GameRules& rules() const override { return rules_; }
    RunDisplay runDisplay() const override;
    void activateGame() override;
    void redraw() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    HiddenRules rules_;
    WordPicture* picMAIN = nullptr;
    QLabel* lblWORDHIDDEN = nullptr;
    QList<uctl_BTN*> pneCHARS;
    QLabel* lblCHOSEN = nullptr;
    QLabel* lblSOFAR = nullptr;
    MissesMeter* misses_ = nullptr;
    uctl_BTN* btnPLAYAGAIN = nullptr;
    uctl_BTN* btnPASS = nullptr;
    ClickLabel* imgNEXT = nullptr;
};
