// WordState: what one player's answers say about one word: how often asked, right and missed, and its box.
#pragma once

#include <QHash>
#include <QString>

struct WordState {
    // Leitner boxes: 0 never answered, 1 after a miss, TopBox learned.
    static constexpr int TopBox = 5;
    // Beyond this box a word climbs at most one box a day, so a run of right answers in one sitting
    // does not make it learned.
    static constexpr int DailyStepsFrom = 2;
    static constexpr int RecentAnswers = 5;
    static constexpr int RecentMissesToFlag = 3;

    int asked = 0;
    int right = 0;
    int missed = 0;
    qint64 lastAtMs = 0;
    int box = 0;
    // The local day (Julian day number) the word last climbed beyond DailyStepsFrom; 0 for never.
    qint64 stepDay = 0;
    // The last RecentAnswers answers, newest in bit 0, a set bit for a miss.
    int recentMisses = 0;

    // One answer at a time, in the order they were given.
    void apply(bool answeredRight, qint64 atMs);
    bool learned() const { return box >= TopBox; }
    bool met() const { return asked > 0; }
    bool keepsBeingMissed() const;
    bool operator==(const WordState&) const = default;

    // The local calendar day of a time, as a Julian day number.
    static qint64 dayOf(qint64 atMs);
};

// A player's words of one subject, by word.
using WordStates = QHash<QString, WordState>;
