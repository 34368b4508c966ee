// AnswerDatabase: the answer log's file: tables, the meaning of SQLite's errors, moving a broken file aside.
#include "players/AnswerDatabase.h"

#include "players/AnswerSchema.h"
#include "players/PlayersLog.h"

#include <QDateTime>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace AnswerDatabase {

namespace {
Outcome run(QSqlQuery& query, const QString& statement) {
    if (query.exec(statement)) return Outcome::Done;
    return classify(query.lastError());
}
} // namespace

Outcome prepare(QSqlDatabase& db) {
    QSqlQuery query(db);
    // WAL lets the progress window read while the writer writes, and a second copy's reads never block us.
    if (const Outcome o = run(query, QStringLiteral("PRAGMA journal_mode=WAL")); o != Outcome::Done) return o;
    if (const Outcome o = run(query, QStringLiteral("PRAGMA synchronous=NORMAL")); o != Outcome::Done) return o;
    if (const Outcome o = run(query, QStringLiteral("PRAGMA quick_check")); o != Outcome::Done) return o;
    if (!query.next() || query.value(0).toString() != QLatin1String("ok")) return Outcome::Damaged;
    query.finish();
    return AnswerSchema::migrate(db);
}

bool moveAside(const QString& path) {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path + QStringLiteral(".broken-") + stamp;
    for (int n = 2; QFile::exists(aside); ++n)
        aside = path + QStringLiteral(".broken-") + stamp + u'-' + QString::number(n);
    if (QFile::exists(path) && !QFile::rename(path, aside)) {
        qCWarning(lcPlayers) << "could not move the damaged answer log aside:" << path;
        return false;
    }
    for (const char* journal : {"-wal", "-shm"}) {
        const QString from = path + QLatin1String(journal);
        if (QFile::exists(from) && !QFile::rename(from, aside + QLatin1String(journal))) QFile::remove(from);
    }
    qCWarning(lcPlayers) << "the answer log was damaged; kept as" << aside << "and started anew";
    return true;
}

QSqlDatabase connect(const QString& path, const QString& connectionName, bool readOnly) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(path);
    // A writer of another copy holds the lock for one short transaction; wait that long, not longer.
    db.setConnectOptions(readOnly ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=250")
                                  : QStringLiteral("QSQLITE_BUSY_TIMEOUT=250"));
    return db;
}

} // namespace AnswerDatabase
