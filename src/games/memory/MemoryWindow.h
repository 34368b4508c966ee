// MemoryWindow: the memory game window: twelve cards dealt one by one, turned two at a time to find six pairs.
#pragma once

#include <array>
#include <QHash>
#include <QPixmap>

#include "games/common/GameWindow.h"
#include "games/memory/MemoryRules.h"

class MemoryCard;
class ImageButton;

class MemoryWindow final : public GameWindow {
    Q_OBJECT
public:
    static constexpr int DealMs = 100;
    // Card i's rectangle on the board, in pixels.
    static QRect cardRect(int index);

    explicit MemoryWindow(const GameDescriptor& game, QWidget* parent = nullptr);

    // The game menu lists the subject and chooses the words again; chooseSubject only chooses them again.
    void startFromMenu() override;
    void startFromSubjectChoice() override;

    const MemoryRules& game() const { return rules_; }
    MemoryCard* card(int index) const {
        return index >= 0 && index < MemoryRules::CardCount ? cards_[index] : nullptr;
    }
    ImageButton* passButton() const { return passButton_; }

protected:
    GameRules& rules() override { return rules_; }
    const GameRules& rules() const override { return rules_; }
    RunDisplay runDisplay() const override;
    void keyPressEvent(QKeyEvent* event) override;
    void activateGame() override {}
    void redraw() override;
    bool revealPending() const override { return rules_.dealing(); }
    void revealStep() override { rules_.dealTick(); }

private:
    // The pictures of the cards on the table, decoded together when the deal changes.
    const QPixmap& cardPicture(const QString& path);

    MemoryRules rules_;
    std::array<MemoryCard*, MemoryRules::CardCount> cards_{};
    // The cards in their places on the board, row by row: the arrow keys walk the grid.
    QList<QWidget*> boardOrder_;
    ImageButton* passButton_ = nullptr;
    QHash<QString, QPixmap> pictures_;
};
