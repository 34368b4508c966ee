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
    // The draw asks for many times of the same few days; the local time zone is looked up once a day.
    thread_local qint64 dayStart = 1, dayEnd = 0, day = 0;
    if (atMs >= dayStart && atMs < dayEnd) return day;
    const QDate date = QDateTime::fromMSecsSinceEpoch(atMs).date();
    dayStart = date.startOfDay().toMSecsSinceEpoch();
    dayEnd = date.addDays(1).startOfDay().toMSecsSinceEpoch();
    day = date.toJulianDay();
    return day;
}
