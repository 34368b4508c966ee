// WordStateTable: reading and writing the word states next to the answers they come from.
#include "players/WordStateTable.h"

#include "app/GameList.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <map>
#include <tuple>

namespace WordStateTable {

const char* const CreateStatement =
    "CREATE TABLE IF NOT EXISTS word_states(player INTEGER NOT NULL, subject TEXT NOT NULL, "
    "word TEXT NOT NULL, asked INTEGER NOT NULL, rights INTEGER NOT NULL, missed INTEGER NOT NULL, "
    "last_at INTEGER NOT NULL, box INTEGER NOT NULL, step_day INTEGER NOT NULL, recent INTEGER NOT NULL, "
    "PRIMARY KEY(player, subject, word))";

namespace {

WordState fromRow(const QSqlQuery& q, int first) {
    WordState s;
    s.asked = q.value(first).toInt();
    s.right = q.value(first + 1).toInt();
    s.missed = q.value(first + 2).toInt();
    s.lastAtMs = q.value(first + 3).toLongLong();
    s.box = q.value(first + 4).toInt();
    s.stepDay = q.value(first + 5).toLongLong();
    s.recentMisses = q.value(first + 6).toInt();
    return s;
}

bool write(QSqlQuery& q, int player, const QString& subject, const QString& word, const WordState& s) {
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO word_states(player, subject, word, asked, rights, missed, "
                             "last_at, box, step_day, recent) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& v : {QVariant(player), QVariant(subject), QVariant(word), QVariant(s.asked),
                              QVariant(s.right), QVariant(s.missed), QVariant(s.lastAtMs), QVariant(s.box),
                              QVariant(s.stepDay), QVariant(s.recentMisses)})
        q.addBindValue(v);
    return q.exec();
}

} // namespace

bool record(QSqlQuery& q, const Answer& answer) {
    // An answer without a word (a pass) moves no word.
    if (answer.word.isEmpty()) return true;
    q.prepare(QStringLiteral("SELECT asked, rights, missed, last_at, box, step_day, recent FROM word_states "
                             "WHERE player = ? AND subject = ? AND word = ?"));
    q.addBindValue(answer.player);
    q.addBindValue(answer.subject);
    q.addBindValue(answer.word);
    if (!q.exec()) return false;
    WordState state = q.next() ? fromRow(q, 0) : WordState();
    q.finish();
    state.apply(answer.right, answer.atMs);
    return write(q, answer.player, answer.subject, answer.word, state);
}

bool load(QSqlDatabase& db, int player, const QString& subject, WordStates& states) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT word, asked, rights, missed, last_at, box, step_day, recent FROM word_states "
                             "WHERE player = ? AND subject = ?"));
    q.addBindValue(player);
    q.addBindValue(subject);
    if (!q.exec()) return false;
    while (q.next())
        states.insert(q.value(0).toString(), fromRow(q, 1));
    return true;
}

QString aboutWordCondition() {
    return QStringLiteral("word <> '' AND NOT (right = 0 AND game = '%1')")
        .arg(QLatin1String(gameByName("memory")->logName));
}

bool rebuild(QSqlQuery& q) {
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("DELETE FROM word_states"))) return false;
    if (!q.exec(QStringLiteral("SELECT player, subject, word, right, at FROM answers WHERE ") + aboutWordCondition() +
                QStringLiteral(" ORDER BY at, id")))
        return false;
    std::map<std::tuple<int, QString, QString>, WordState> states;
    while (q.next())
        states[{q.value(0).toInt(), q.value(1).toString(), q.value(2).toString()}].apply(q.value(3).toInt() != 0,
                                                                                        q.value(4).toLongLong());
    q.finish();
    for (const auto& [key, state] : states)
        if (!write(q, std::get<0>(key), std::get<1>(key), std::get<2>(key), state)) return false;
    return true;
}

} // namespace WordStateTable
