// MemoryCard: one card of the memory game: a coloured back with a "?" or, face up, the word's picture; a
// found pair wears a tick, so it differs by more than its colour.
#pragma once

#include <QColor>
#include <QPixmap>

#include "controls/HotSpot.h"

class MemoryCard : public HotSpot {
    Q_OBJECT
public:
    explicit MemoryCard(int index, QWidget* parent = nullptr);

    void setBack(const QColor& colour);
    QColor back() const { return back_; }
    // Face up shows the picture (the back shows round it); face down shows "?".
    void setFace(bool faceUp, const QPixmap& picture);
    bool faceUp() const { return faceUp_; }
    const QPixmap& picture() const { return picture_; }
    // Part of a found pair: the tick in the corner.
    void setMatched(bool matched);
    bool matched() const { return matched_; }
    // The room the picture is drawn in.
    static QSize pictureBox(const QSize& card);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor back_ = Qt::white;
    QPixmap picture_;
    bool faceUp_ = false;
    bool matched_ = false;
};
