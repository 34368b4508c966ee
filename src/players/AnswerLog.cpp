// AnswerLog: a queue the UI thread fills and a writer thread drains, one transaction per batch.
#include "players/AnswerLog.h"

#include "players/AnswerDatabase.h"
#include "players/PlayersLog.h"
#include "players/WordStateTable.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <vector>

using AnswerDatabase::Outcome;

namespace {
AnswerLog* installed = nullptr;
} // namespace

// Lives on the writer thread and owns its connection there.
class AnswerLog::Writer {
public:
    Writer(QString path, QString connectionName) : path_(std::move(path)), name_(std::move(connectionName)) {}
    ~Writer() { close(); }

    Outcome write(const std::vector<Job>& jobs) {
        Outcome outcome = open();
        if (outcome == Outcome::Done) outcome = writeOpen(jobs);
        // A damaged or vanished file is opened again next time; the connection's handles are gone by now.
        if (outcome == Outcome::Damaged || outcome == Outcome::Failed) close();
        return outcome;
    }

    void startAnew() {
        close();
        AnswerDatabase::moveAside(path_);
    }

private:
    Outcome writeOpen(const std::vector<Job>& jobs) {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        if (!db.transaction()) return fail(db.lastError());
        QSqlQuery query(db);
        for (const Job& job : jobs) {
            if (!exec(query, job)) {
                const QSqlError error = query.lastError();
                query.finish();
                db.rollback();
                return fail(error);
            }
        }
        query.finish();
        if (!db.commit()) {
            const QSqlError error = db.lastError();
            db.rollback();
            return fail(error);
        }
        return Outcome::Done;
    }

    static bool exec(QSqlQuery& query, const Job& job) {
        const int player = job.answer.player;
        switch (job.kind) {
        case Job::Record:
            query.prepare(QStringLiteral("INSERT INTO answers(player, at, subject, game, word, right, points) "
                                         "VALUES(?, ?, ?, ?, ?, ?, ?)"));
            query.addBindValue(player);
            query.addBindValue(job.answer.atMs);
            query.addBindValue(job.answer.subject);
            query.addBindValue(job.answer.game);
            query.addBindValue(job.answer.word);
            query.addBindValue(job.answer.right ? 1 : 0);
            query.addBindValue(job.answer.points);
            return query.exec() && WordStateTable::record(query, job.answer);
        case Job::Name:
            query.prepare(QStringLiteral("INSERT OR REPLACE INTO players(id, name) VALUES(?, ?)"));
            query.addBindValue(player);
            query.addBindValue(job.name);
            return query.exec();
        case Job::Forget:
            // The id stays, nameless, so a new player is never given it and its history.
            query.prepare(QStringLiteral("INSERT OR REPLACE INTO players(id, name) VALUES(?, '')"));
            query.addBindValue(player);
            if (!query.exec()) return false;
            query.prepare(QStringLiteral("DELETE FROM answers WHERE player = ?"));
            query.addBindValue(player);
            if (!query.exec()) return false;
            query.prepare(QStringLiteral("DELETE FROM word_states WHERE player = ?"));
            query.addBindValue(player);
            return query.exec();
        case Job::Open:
            return true;
        }
        return false;
    }

    Outcome open() {
        if (open_) return Outcome::Done;
        if (!QDir().mkpath(QFileInfo(path_).absolutePath())) {
            qCWarning(lcPlayers) << "cannot create the folder of the answer log" << path_;
            return Outcome::Failed;
        }
        Outcome outcome = Outcome::Done;
        {
            QSqlDatabase db = AnswerDatabase::connect(path_, name_, false);
            outcome = db.open() ? AnswerDatabase::prepare(db) : fail(db.lastError());
        }
        if (outcome != Outcome::Done) {
            close();
            return outcome;
        }
        open_ = true;
        return Outcome::Done;
    }

    Outcome fail(const QSqlError& error) {
        const Outcome outcome = AnswerDatabase::classify(error);
        if (outcome != Outcome::Busy) qCWarning(lcPlayers) << "answer log:" << error.text();
        return outcome;
    }

    void close() {
        open_ = false;
        if (QSqlDatabase::contains(name_)) {
            QSqlDatabase::database(name_, false).close();
            QSqlDatabase::removeDatabase(name_);
        }
    }

    QString path_;
    QString name_;
    bool open_ = false;
};

AnswerLog::AnswerLog(QString databasePath, int maxWaiting)
    : path_(std::move(databasePath)), maxWaiting_(maxWaiting) {
    thread_.reset(QThread::create([this] { run(); }));
    thread_->setObjectName(QStringLiteral("answer log"));
    thread_->start(QThread::LowPriority);
    // Opened (and upgraded) at once, so the progress window and the games read an up-to-date file.
    enqueue({Job::Open, Answer(), QString()});
}

AnswerLog::~AnswerLog() {
    {
        QMutexLocker lock(&mutex_);
        stopping_ = true;
        wake_.wakeAll();
    }
    thread_->wait();
}

QString AnswerLog::defaultPath() {
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/lexikite/answers.db");
}

void AnswerLog::record(const Answer& answer, const QString& playerName) {
    auto sent = sentNames_.constFind(answer.player);
    if (sent == sentNames_.constEnd() || *sent != playerName) {
        sentNames_.insert(answer.player, playerName);
        enqueue({Job::Name, answer, playerName});
    }
    enqueue({Job::Record, answer, QString()});
}

void AnswerLog::forgetPlayer(int player) {
    Answer answer;
    answer.player = player;
    sentNames_.remove(player);
    enqueue({Job::Forget, answer, QString()});
}

void AnswerLog::enqueue(Job job) {
    QMutexLocker lock(&mutex_);
    // The oldest answers the writer is not holding go; names and removals are few and must all arrive.
    const auto droppable = [this](const Job& waiting) {
        return waiting.kind == Job::Record && waiting.sequence > writingUpTo_;
    };
    auto oldest = queue_.begin();
    while (queue_.size() >= size_t(maxWaiting_) &&
           (oldest = std::find_if(oldest, queue_.end(), droppable)) != queue_.end()) {
        if (!overflowLogged_) qCWarning(lcPlayers) << "answer log: too many answers waiting; dropping the oldest";
        overflowLogged_ = true;
        oldest = queue_.erase(oldest);
        ++dropped_;
    }
    job.sequence = nextSequence_++;
    queue_.push_back(std::move(job));
    wake_.wakeOne();
}

QList<Answer> AnswerLog::waitingAnswers(int player, const QString& subject) {
    QList<Answer> waiting;
    QMutexLocker lock(&mutex_);
    for (const Job& job : queue_)
        if (job.kind == Job::Record && job.answer.player == player && job.answer.subject == subject)
            waiting.append(job.answer);
    return waiting;
}

bool AnswerLog::waitUntilWritten(int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    QMutexLocker lock(&mutex_);
    while (!queue_.empty() || busy_)
        if (!idle_.wait(&mutex_, deadline)) return false;
    return true;
}

void AnswerLog::run() {
    Writer writer(path_, QStringLiteral("lexikite-answer-writer-%1").arg(quintptr(this), 0, 16));
    QDeadlineTimer exitDeadline(QDeadlineTimer::Forever);
    bool busyLogged = false;
    QMutexLocker lock(&mutex_);
    for (;;) {
        while (queue_.empty() && !stopping_) {
            busy_ = false;
            idle_.wakeAll();
            wake_.wait(&mutex_);
        }
        if (queue_.empty()) break;
        if (stopping_ && exitDeadline.isForever()) exitDeadline.setRemainingTime(ExitWaitMs);
        busy_ = true;
        const size_t n = qMin(queue_.size(), size_t(BatchSize));
        const std::vector<Job> batch(queue_.begin(), queue_.begin() + qsizetype(n));
        writingUpTo_ = batch.back().sequence;
        lock.unlock();
        Outcome outcome = writer.write(batch);
        if (outcome == Outcome::Damaged) {
            writer.startAnew();
            outcome = writer.write(batch);
        }
        lock.relock();
        writingUpTo_ = 0;

        qint64 answers = 0;
        for (const Job& job : batch)
            if (job.kind == Job::Record) ++answers;
        if (outcome == Outcome::Busy || outcome == Outcome::Newer) {
            // A newer version's file is kept as it is; the answers wait, as for a lock, in case it goes.
            if (!busyLogged && outcome == Outcome::Busy)
                qCInfo(lcPlayers) << "answer log locked by another copy; answers wait";
            else if (!busyLogged)
                qCWarning(lcPlayers) << "answer log written by a newer version; answers wait in memory";
            busyLogged = true;
            if (!stopping_ || !exitDeadline.hasExpired()) {
                wake_.wait(&mutex_, RetryMs);
                continue;
            }
            qsizetype waiting = 0;
            for (const Job& job : queue_)
                if (job.kind == Job::Record) ++waiting;
            qCWarning(lcPlayers) << "answer log still not writable at exit;" << waiting << "answers dropped";
            dropped_ += waiting;
            queue_.clear();
            continue;
        }
        busyLogged = false;
        // The batch is still the front of the queue: only jobs outside it were dropped meanwhile.
        while (!queue_.empty() && queue_.front().sequence <= batch.back().sequence)
            queue_.pop_front();
        if (outcome == Outcome::Done) {
            written_ += answers;
            overflowLogged_ = false;
        } else {
            qCWarning(lcPlayers) << "answer log not written;" << answers << "answers dropped";
            dropped_ += answers;
        }
    }
    busy_ = false;
    idle_.wakeAll();
}

AnswerLog* answerLog() {
    return installed;
}

void setAnswerLog(AnswerLog* log) {
    installed = log;
}
