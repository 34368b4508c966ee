// fgam_MIX: the mixed letters game window: a picture, its shuffled letters as tiles, and a box to type the
// word.
#pragma once

#include <QList>

#include "games/common/GameWindow.h"
#include "games/mixed/MixedRules.h"

class QLabel;
class QLineEdit;
class uctl_BTN;
class WordPicture;

class fgam_MIX final : public GameWindow {
    Q_OBJECT
public:
    static constexpr int GameNumber = 6;

    explicit fgam_MIX(QWidget* parent = nullptr);

    // The game menu and SectionClick both list the subject and start a word.
    void StartFromMenu() override;
    void StartFromSectionClick() override;

    const MixedRules& game() const { return rules_; }
    uctl_BTN* tile(int index) const { return pneCHARS.value(index); }
    QLabel* scrambledLabel() const { return lblSCRAMBLED; }
    QLabel* rebuiltLabel() const { return lblWORDHIDDEN; }
    QLineEdit* textBox() const { return txtUNSCRAMBLED; }
    uctl_BTN* checkButton() const { return pneSELECT; }
    uctl_BTN* passButton() const { return btnPASS; }
    uctl_BTN* playButton() const { return btnPLAYAGAIN; }
    WordPicture* mainPicture() const { return picMAIN; }

protected:
    GameRules& rules() override { return rules_; }
    const GameRules& rules() const override { return rules_; }
    RunDisplay runDisplay() const override { return rules_.display(); }
    void activateGame() override;
    void redraw() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Tells the rules what the text box holds and where its caret or selection is.
    void reportText();
    // Check and Enter: the box as it is when the action's turn comes.
    void checkTypedWord();

    MixedRules rules_;
    WordPicture* picMAIN = nullptr;
    QLabel* lblSCRAMBLED = nullptr;
    QList<uctl_BTN*> pneCHARS;
    QLabel* lblWORDHIDDEN = nullptr;
    QLineEdit* txtUNSCRAMBLED = nullptr;
    uctl_BTN* pneSELECT = nullptr;
    uctl_BTN* btnPLAYAGAIN = nullptr;
    uctl_BTN* btnPASS = nullptr;
    // Enter went down in the text box; only its own release checks the word.
    bool enterDown_ = false;
};
