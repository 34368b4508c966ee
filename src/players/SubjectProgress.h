// SubjectProgress: how far a player is with the words of one subject: learned, met, and in the subject.
#pragma once

#include <QString>

class AnswerHistory;

struct SubjectProgress {
    int learned = 0;
    int met = 0;
    // The subject's words in the learner's English.
    int words = 0;

    // Counts only words the subject still holds; one query and one folder listing.
    static SubjectProgress of(AnswerHistory& history, int player, const QString& subject, const QString& language);
    // For the current player through the program's answer log; nothing when no log is installed.
    static SubjectProgress current(const QString& subject);
    // "12 of 20 words learned"; empty for a subject without words.
    QString learnedCaption() const;
};
