// TenInARow: the run of right answers shared by the listening and choose games; ten in a row win 10 points.
#pragma once

#include "games/common/GameHost.h"
#include "games/common/RunDisplay.h"

class TenInARow {
public:
    int count() const { return count_; }
    const RunDisplay& display() const { return display_; }

    // A right answer: counts it, plays CORRECT, speaks the word and shows "Well done!". The tenth also
    // shows "Congratulations!" and wins 10 points; it returns true, and the turn stays on the table.
    bool right(GameHost& host, const DialogPicture& picture, const QString& word, const QString& soundPath,
               const QString& folder);
    // A wrong answer: the run back to nought, LOSE, and "Sorry" naming the right word.
    void wrong(GameHost& host, const DialogPicture& picture, const QString& word, const QString& folder);
    // Back to nought without a sound or dialog.
    void reset();
    // Counter and meter drawn again from the count.
    void redraw() { display_.show(count_); }

private:
    int count_ = 0;
    RunDisplay display_;
};
