// GameMenu: the game menu: six game pictures for the current subject; a click opens that game.
#pragma once

#include <array>
#include <QList>

#include "forms/ChildForm.h"
#include "app/GameList.h"

class HotSpot;
class QFrame;
class QLabel;

class GameMenu : public ChildForm {
    Q_OBJECT
public:
    explicit GameMenu(QWidget* parent = nullptr);

    // The subject's folder, set by whoever opens the menu; titleLabel_ shows it in the learner's English.
    QString title() const;
    void setTitle(const QString& title);

    HotSpot* spot(int i) const { return spots_[i]; }
    QFrame* frame() const { return hoverFrame_; }
    // The hovered game's name under its picture, for a child who cannot read the tooltip.
    QLabel* gameNameLabel() const { return gameName_; }
    // "12 of 20 words learned" for the child playing.
    QLabel* learnedLabel() const { return learnedLabel_; }

    void gameHovered(int i);
    void openGame(int i);

protected:
    void activate() override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::array<HotSpot*, GameCount> spots_{};
    QLabel* titleLabel_ = nullptr;
    QString subject_;
    QLabel* learnedLabel_ = nullptr;
    QFrame* hoverFrame_ = nullptr;
    QLabel* gameName_ = nullptr;
    // The game whose name was said last; said again only after the pointer has been elsewhere.
    int namedGame_ = -1;

    // The spots in reading order, for Tab and the arrow keys.
    QList<QWidget*> readingOrder_;

    void nameGame(int i);
    void hideGameName();
    void spotLeft(int i);
    void pointerTakesOver();
};
