// Answer: one judged answer of a player, as the answer log keeps it.
#pragma once

#include <QString>

struct Answer {
    int player = 0;
    qint64 atMs = 0; // milliseconds since the epoch, UTC
    QString subject;
    QString game;
    QString word;
    bool right = false;
    qint32 points = 0;
};
