// AnswerHistory: what a grown-up reads from the answer log: time played, subjects, missed words, a CSV file.
#pragma once

#include <QDate>
#include <QList>
#include <QSet>
#include <QString>

#include "players/WordState.h"

class QIODevice;

class AnswerHistory {
public:
    struct Day {
        QDate date;
        double minutes = 0;
    };
    struct Subject {
        QString subject;
        int answers = 0;
    };
    struct Missed {
        QString subject;
        QString word;
        int misses = 0;
    };
    struct SubjectWords {
        QString subject;
        int learned = 0;
        int met = 0;
    };

    // Answers further apart than this are two sittings; the pause between them is not play.
    static constexpr qint64 PauseMs = 5 * 60 * 1000;
    // What a sitting's first answer counts for: the looking and listening before it.
    static constexpr qint64 FirstAnswerMs = 30 * 1000;

    // Reads through a read-only connection of its own; a missing or damaged file reads as no answers.
    explicit AnswerHistory(QString databasePath);
    ~AnswerHistory();
    AnswerHistory(const AnswerHistory&) = delete;
    AnswerHistory& operator=(const AnswerHistory&) = delete;

    // One entry per day, oldest first, ending with today (local time).
    QList<Day> minutesPerDay(int player, const QDate& today, int days = 14);
    // Subjects played, most answers first.
    QList<Subject> subjects(int player);
    // The words missed most often since a time, most misses first, then the most recent.
    QList<Missed> missedWords(int player, qint64 sinceMs, int limit = 12);
    // One row per answer, oldest first, after a header row; UTF-8. False when nothing could be read.
    bool exportCsv(int player, QIODevice& out);

    // The player's words of a subject (none for a file without word states).
    WordStates wordStates(int player, const QString& subject);
    // Per subject the player met: the words learned and met.
    QList<SubjectWords> subjectWords(int player);
    // The words missed 3 or more times in their last 5 answers, most misses first; misses counts those.
    QList<Missed> keepsMissing(int player, int limit = 12);
    // One row per word the player met, by subject and word, after a header row; UTF-8.
    bool exportWordsCsv(int player, QIODevice& out);

    // Every player id the log has seen, a forgotten player's too (nothing for a missing file).
    QSet<int> playerIds();

    // A field as a spreadsheet reads it back: quoted when needed, and never taken for a formula.
    static QString csvField(const QString& text);

private:
    bool open();
    QString path_;
    QString name_;
};
