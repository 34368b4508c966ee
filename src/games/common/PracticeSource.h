// PracticeSource: where a game's word draw learns whom it serves and what they know.
#pragma once

#include "players/WordState.h"

#include <QDateTime>

class PracticeSource {
public:
    virtual ~PracticeSource() = default;
    // The grown-up's "Missed words come back"; off means the uniform draw.
    virtual bool enabled() const = 0;
    virtual int player() const = 0;
    // The player's words of a subject, read once when a game opens the subject.
    virtual WordStates load(int player, const QString& subject) = 0;
    virtual qint64 nowMs() const { return QDateTime::currentMSecsSinceEpoch(); }
};
