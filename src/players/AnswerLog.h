// AnswerLog: every judged answer, written to an SQLite file by a worker thread so the screen never waits.
#pragma once

#include "players/Answer.h"

#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>
#include <QWaitCondition>

#include <atomic>
#include <deque>
#include <memory>

class QThread;

// A locked database (a second running copy writing) keeps the answers waiting in memory; the writer tries
// again every RetryMs for as long as the program runs. Only beyond MaxWaiting jobs (the oldest answers
// not being written at that moment go; a name or a removal never does), or when the program ends with the
// lock still held after ExitWaitMs, are answers dropped, with a log line. A damaged
// file is kept aside as <file>.broken-<time> and a new one started; a file that cannot be written at all
// (read-only home, full disk) loses the answers with a log line and the games go on. A file written by a
// newer version is never written: its answers wait in memory as for a lock.
class AnswerLog {
public:
    static constexpr int RetryMs = 500;
    static constexpr int MaxWaiting = 10000;
    static constexpr int ExitWaitMs = 2000;
    static constexpr int BatchSize = 200;

    // maxWaiting: MaxWaiting, or fewer in a test.
    explicit AnswerLog(QString databasePath, int maxWaiting = MaxWaiting);
    ~AnswerLog();
    AnswerLog(const AnswerLog&) = delete;
    AnswerLog& operator=(const AnswerLog&) = delete;

    // UI thread: hands the answer to the writer and returns at once. The player's name goes with it the
    // first time and after a rename, so an export names the player even when the settings are gone.
    void record(const Answer& answer, const QString& playerName);
    // Forgets every answer of a removed player.
    void forgetPlayer(int player);
    // Answers handed over and not written yet (a locked or newer file), oldest first.
    QList<Answer> waitingAnswers(int player, const QString& subject);
    // Waits until everything handed over was written (or given up on); false on timeout.
    bool waitUntilWritten(int timeoutMs);

    QString databasePath() const { return path_; }
    qint64 writtenCount() const { return written_; }
    qint64 droppedCount() const { return dropped_; }

    // $XDG_DATA_HOME/lexikite/answers.db, or ~/.local/share/lexikite/answers.db.
    static QString defaultPath();

private:
    struct Job {
        enum Kind { Record, Name, Forget, Open } kind = Record;
        Answer answer;
        QString name;
        quint64 sequence = 0; // set by enqueue: the writer removes what it wrote by these, never by count
    };
    void enqueue(Job job);
    void run();

    class Writer;
    QString path_;
    int maxWaiting_;
    QMutex mutex_;
    QWaitCondition wake_;
    QWaitCondition idle_;
    std::deque<Job> queue_;
    bool busy_ = false;
    quint64 nextSequence_ = 1;
    quint64 writingUpTo_ = 0; // the last job of the batch being written; never dropped under the writer
    bool stopping_ = false;
    bool overflowLogged_ = false;
    QHash<int, QString> sentNames_; // UI thread only
    std::atomic<qint64> written_{0};
    std::atomic<qint64> dropped_{0};
    std::unique_ptr<QThread> thread_;
};

// The program's log, or null (tests, and before main installs it): then nothing is recorded.
AnswerLog* answerLog();
void setAnswerLog(AnswerLog* log);
