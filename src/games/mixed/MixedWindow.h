// MixedWindow: the mixed letters game window: a picture, its shuffled letters as tiles, and a box to type the
// word.
#pragma once

#include <QList>

#include "games/common/GameWindow.h"
#include "games/mixed/MixedRules.h"

class QLabel;
class QLineEdit;
class ImageButton;
class WordPicture;

class MixedWindow final : public GameWindow {
    Q_OBJECT
public:

    explicit MixedWindow(const GameDescriptor& game, QWidget* parent = nullptr);

    // The game menu and chooseSubject both list the subject and start a word.
    void startFromMenu() override;
    // A new subject needs its list read again, just as from the menu.
    void startFromSubjectChoice() override { startFromMenu(); }

    const MixedRules& game() const { return rules_; }
    ImageButton* tile(int index) const { return letterButtons_.value(index); }
    QLabel* scrambledLabel() const { return scrambledLabel_; }
    QLabel* rebuiltLabel() const { return maskedWordLabel_; }
    QLineEdit* textBox() const { return textBox_; }
    ImageButton* checkButton() const { return selectButton_; }
    ImageButton* passButton() const { return passButton_; }
    ImageButton* playButton() const { return playAgainButton_; }
    WordPicture* mainPicture() const { return picture_; }

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
    WordPicture* picture_ = nullptr;
    QLabel* scrambledLabel_ = nullptr;
    QList<ImageButton*> letterButtons_;
    QLabel* maskedWordLabel_ = nullptr;
    QLineEdit* textBox_ = nullptr;
    ImageButton* selectButton_ = nullptr;
    ImageButton* playAgainButton_ = nullptr;
    ImageButton* passButton_ = nullptr;
    // Enter went down in the text box; only its own release checks the word.
    bool enterDown_ = false;
};
