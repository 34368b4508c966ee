// HiddenWindow: the hidden letters game window: a picture, its masked word, 26 letter buttons and a misses meter.
#pragma once

#include <QList>

#include "games/common/GameWindow.h"
#include "games/hidden/HiddenRules.h"

class ClickLabel;
class WordPicture;
class QLabel;
class ImageButton;

class HiddenWindow final : public GameWindow {
    Q_OBJECT
public:

    explicit HiddenWindow(const GameDescriptor& game, QWidget* parent = nullptr);

    // The game menu and chooseSubject both list the subject and start a word.
    void startFromMenu() override;
    // A new subject needs its list read again, just as from the menu.
    void startFromSubjectChoice() override { startFromMenu(); }

    const HiddenRules& game() const { return rules_; }
    ImageButton* letterButton(int index) const { return letterButtons_.value(index); }
    QLabel* wordLabel() const { return maskedWordLabel_; }
    QLabel* chosenLabel() const { return chosenLabel_; }
    WordPicture* mainPicture() const { return picture_; }
    ClickLabel* nextPicture() const { return nextPicture_; }
    ImageButton* passButton() const { return passButton_; }
    ImageButton* playButton() const { return playAgainButton_; }

protected:
    GameRules& rules() override { return rules_; }
    const GameRules& rules() const override { return rules_; }
    RunDisplay runDisplay() const override;
    void activateGame() override;
    void redraw() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    HiddenRules rules_;
    WordPicture* picture_ = nullptr;
    QLabel* maskedWordLabel_ = nullptr;
    QList<ImageButton*> letterButtons_;
    QLabel* chosenCaption_ = nullptr;
    QLabel* chosenLabel_ = nullptr;
    ImageButton* playAgainButton_ = nullptr;
    ImageButton* passButton_ = nullptr;
    ClickLabel* nextPicture_ = nullptr;
};
