// AnswerHistory: what a grown-up reads from the answer log: time played, subjects, missed words, a CSV file.
#pragma once

#include <QDate>
#include <QList>
#include <QString>

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

    // A field as a spreadsheet reads it back: quoted when needed, and never taken for a formula.
    static QString csvField(const QString& text);

private:
    bool open();
    QString path_;
    QString name_;
};
