// GameMenu: the game menu: six game pictures for the current subject; a click opens that game.
#pragma once

#include <array>

#include "windows/ChildForm.h"

class HotSpot;
class QFrame;
class QLabel;

class GameMenu : public ChildForm {
    Q_OBJECT
public:
    static constexpr int GameCount = 6;

    explicit GameMenu(QWidget* parent = nullptr);

    // titleLabel_: the subject's name, set by whoever opens the menu.
    QString title() const;
    void setTitle(const QString& title);

    HotSpot* spot(int i) const { return spots_[i]; }
    QFrame* frame() const { return hoverFrame_; }

    void gameHovered(int i);
    void openGame(int i);

protected:
    void activate() override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    std::array<HotSpot*, GameCount> spots_{};
    QLabel* titleLabel_ = nullptr;
    QFrame* hoverFrame_ = nullptr;
};
