// mdb_SBJ: the game menu: six game pictures for the current subject; a click opens that game.
#pragma once

#include <array>

#include "windows/ChildForm.h"

class HotSpot;
class QFrame;
class QLabel;

class mdb_SBJ : public ChildForm {
    Q_OBJECT
public:
    static constexpr int GameCount = 6;

    explicit mdb_SBJ(QWidget* parent = nullptr);

    // lblTITLE: the subject's name, set by whoever opens the menu.
    QString title() const;
    void setTitle(const QString& title);

    HotSpot* spot(int i) const { return imgSUBJECT[i]; }
    QFrame* frame() const { return shpSELECT; }
    // The hovered game's name under its picture, for a child who cannot read the tooltip.
    QLabel* gameNameLabel() const { return gameName_; }

    void GameHover(int i);
    void GameClick(int i);

protected:
    void Activate() override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    std::array<HotSpot*, GameCount> imgSUBJECT{};
    QLabel* lblTITLE = nullptr;
    QFrame* shpSELECT = nullptr;
    QLabel* gameName_ = nullptr;
    // The game whose name was said last; said again only after the pointer has been elsewhere.
    int namedGame_ = -1;

    void nameGame(int i);
    void hideGameName();
};
