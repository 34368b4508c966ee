// WordState: the box moves of one word.
#include "players/WordState.h"

#include <QDateTime>

#include <bit>

void WordState::apply(bool answeredRight, qint64 atMs) {
    ++asked;
    lastAtMs = atMs;
    recentMisses = ((recentMisses << 1) | (answeredRight ? 0 : 1)) & ((1 << RecentAnswers) - 1);
    if (!answeredRight) {
        ++missed;
        box = 1;
        return;
    }
    ++right;
    if (box < DailyStepsFrom) {
        ++box;
        return;
    }
    const qint64 day = dayOf(atMs);
    if (box < TopBox && day != stepDay) {
        ++box;
        stepDay = day;
    }
}

bool WordState::keepsBeingMissed() const {
    return std::popcount(unsigned(recentMisses)) >= RecentMissesToFlag;
}

qint64 WordState::dayOf(qint64 atMs) {
    return QDateTime::fromMSecsSinceEpoch(atMs).date().toJulianDay();
}
