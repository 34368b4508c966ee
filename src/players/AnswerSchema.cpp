// AnswerSchema: upgrading an answer log in place, all steps or none.
#include "players/AnswerSchema.h"

#include "players/PlayersLog.h"
#include "players/WordStateTable.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

using AnswerDatabase::Outcome;

namespace AnswerSchema {

namespace {

bool execAll(QSqlQuery& q, std::initializer_list<const char*> statements) {
    for (const char* statement : statements)
        if (!q.exec(QLatin1String(statement))) return false;
    return true;
}

// Step n brings version n - 1 to version n.
bool step(QSqlQuery& q, int to) {
    switch (to) {
    case 1:
        // The first releases' tables; IF NOT EXISTS leaves an unversioned file's tables and rows alone.
        return execAll(q, {"CREATE TABLE IF NOT EXISTS answers(id INTEGER PRIMARY KEY, player INTEGER NOT NULL, "
                           "at INTEGER NOT NULL, subject TEXT NOT NULL, game TEXT NOT NULL, word TEXT NOT NULL, "
                           "right INTEGER NOT NULL, points INTEGER NOT NULL)",
                           "CREATE INDEX IF NOT EXISTS answers_by_player ON answers(player, at)",
                           // Counts per subject read from this index alone, without sorting every answer.
                           "CREATE INDEX IF NOT EXISTS answers_by_subject ON answers(player, subject)",
                           "CREATE TABLE IF NOT EXISTS players(id INTEGER PRIMARY KEY, name TEXT NOT NULL)"});
    case 2:
        return execAll(q, {WordStateTable::CreateStatement}) && WordStateTable::rebuild(q);
    case 3:
        // Memory mismatches leave the words: they were logged as misses and moved words back a box.
        return WordStateTable::rebuild(q);
    default:
        return false;
    }
}

Outcome failed(const QSqlError& error) {
    const Outcome outcome = AnswerDatabase::classify(error);
    if (outcome != Outcome::Busy) qCWarning(lcPlayers) << "answer log: upgrade failed:" << error.text();
    return outcome;
}

} // namespace

int version(QSqlDatabase& db) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) return -1;
    return q.value(0).toInt();
}

Outcome migrate(QSqlDatabase& db) {
    int from = version(db);
    if (from == CurrentVersion) return Outcome::Done;
    if (from > CurrentVersion) return Outcome::Newer;
    QSqlQuery q(db);
    // Taken for writing at once: two copies starting together upgrade one after the other, not over each other.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) return failed(q.lastError());
    from = version(db);
    if (from > CurrentVersion) {
        q.exec(QStringLiteral("ROLLBACK"));
        return Outcome::Newer;
    }
    for (int to = from + 1; to <= CurrentVersion; ++to) {
        if (!step(q, to)) {
            const QSqlError error = q.lastError();
            q.finish();
            q.exec(QStringLiteral("ROLLBACK"));
            return failed(error);
        }
    }
    if (!q.exec(QStringLiteral("PRAGMA user_version = %1").arg(CurrentVersion)) ||
        !q.exec(QStringLiteral("COMMIT"))) {
        const QSqlError error = q.lastError();
        q.exec(QStringLiteral("ROLLBACK"));
        return failed(error);
    }
    if (from > 0) qCInfo(lcPlayers) << "answer log upgraded from version" << from << "to" << CurrentVersion;
    return Outcome::Done;
}

} // namespace AnswerSchema
