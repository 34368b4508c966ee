// RunDisplay: what a game's counter label ("n/10") and level meter (n tenths) show.
#pragma once

#include <QString>

struct RunDisplay {
    int count = 0;
    int goal = 10;
    // Tenths of the meter uncovered from the bottom.
    int meterTenths = 0;

    QString label() const { return QString::number(count) + u'/' + QString::number(goal); }
    // Counter and meter both showing n.
    void show(int n) { count = meterTenths = n; }
    bool operator==(const RunDisplay&) const = default;
};

// Tenths of the meter for done parts of whole: empty at the start, full only when all is done. Every game's
// meter fills this way, from empty as the child gains.
int progressTenths(qsizetype done, qsizetype whole);

// The top of the meter's cover for n tenths: -(n × step), step being a tenth of the inner height rounded
// to the nearest whole number, halves to even.
int meterCoverTop(int innerHeight, int tenths);
