// AnswerHistory: read-only queries on the answer log; WAL lets them run while the writer writes.
#include "players/AnswerHistory.h"

#include "players/AnswerDatabase.h"
#include "players/PlayersLog.h"
#include "players/WordStateTable.h"

#include <QDateTime>
#include <QFile>
#include <QIODevice>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <atomic>
#include <bit>

namespace {
std::atomic<int> connections{0};
} // namespace

AnswerHistory::AnswerHistory(QString databasePath)
    : path_(std::move(databasePath)), name_(QStringLiteral("lexikite-answer-reader-%1").arg(++connections)) {}

AnswerHistory::~AnswerHistory() {
    if (QSqlDatabase::contains(name_)) {
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
    }
}

bool AnswerHistory::open() {
    if (QSqlDatabase::contains(name_)) return QSqlDatabase::database(name_, false).isOpen();
    if (!QFile::exists(path_)) return false;
    QSqlDatabase db = AnswerDatabase::connect(path_, name_, true);
    if (!db.open()) {
        qCWarning(lcPlayers) << "cannot read the answer log:" << db.lastError().text();
        return false;
    }
    return true;
}

QList<AnswerHistory::Day> AnswerHistory::minutesPerDay(int player, const QDate& today, int days) {
    QList<Day> result;
    for (int i = days - 1; i >= 0; --i)
        result.append({today.addDays(-i), 0.0});
    if (!open() || days <= 0) return result;
    const QDate first = result.first().date;
    const qint64 since = first.startOfDay().toMSecsSinceEpoch();
    const qint64 until = today.addDays(1).startOfDay().toMSecsSinceEpoch();
    QSqlQuery query(QSqlDatabase::database(name_, false));
    query.setForwardOnly(true);
    // The time between two answers of one sitting is play; each sitting's first answer counts a little.
    // Summed inside SQLite: a day per row comes back instead of every answer.
    query.prepare(QStringLiteral(
        "SELECT date(at / 1000, 'unixepoch', 'localtime') AS day, "
        "SUM(CASE WHEN gap IS NULL OR gap > ? THEN ? ELSE gap END) FROM "
        "(SELECT at, at - LAG(at) OVER (ORDER BY at) AS gap FROM answers WHERE player = ? AND at >= ? AND at < ?) "
        "GROUP BY day"));
    query.addBindValue(PauseMs);
    query.addBindValue(FirstAnswerMs);
    query.addBindValue(player);
    query.addBindValue(since);
    query.addBindValue(until);
    if (!query.exec()) {
        qCWarning(lcPlayers) << "answer log:" << query.lastError().text();
        return result;
    }
    while (query.next()) {
        const qint64 day = first.daysTo(QDate::fromString(query.value(0).toString(), Qt::ISODate));
        if (day >= 0 && day < result.size()) result[day].minutes = query.value(1).toDouble() / 60000.0;
    }
    return result;
}

QList<AnswerHistory::Subject> AnswerHistory::subjects(int player) {
    QList<Subject> result;
    if (!open()) return result;
    QSqlQuery query(QSqlDatabase::database(name_, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT subject, COUNT(*) AS n FROM answers WHERE player = ? "
                                 "GROUP BY subject ORDER BY n DESC, subject"));
    query.addBindValue(player);
    if (!query.exec()) return result;
    while (query.next())
        result.append({query.value(0).toString(), query.value(1).toInt()});
    return result;
}

QList<AnswerHistory::Missed> AnswerHistory::missedWords(int player, qint64 sinceMs, int limit) {
    QList<Missed> result;
    if (!open()) return result;
    QSqlQuery query(QSqlDatabase::database(name_, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT subject, word, COUNT(*) AS n, MAX(at) AS last FROM answers "
                                 "WHERE player = ? AND at >= ? AND right = 0 AND ") +
                  WordStateTable::aboutWordCondition() +
                  QStringLiteral(" GROUP BY subject, word ORDER BY n DESC, last DESC LIMIT ?"));
    query.addBindValue(player);
    query.addBindValue(sinceMs);
    query.addBindValue(limit);
    if (!query.exec()) return result;
    while (query.next())
        result.append({query.value(0).toString(), query.value(1).toString(), query.value(2).toInt()});
    return result;
}

QSet<int> AnswerHistory::playerIds() {
    QSet<int> ids;
    if (!open()) return ids;
    QSqlQuery query(QSqlDatabase::database(name_, false));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id FROM players UNION SELECT DISTINCT player FROM answers"))) {
        qCWarning(lcPlayers) << "answer log:" << query.lastError().text();
        return ids;
    }
    while (query.next())
        ids.insert(query.value(0).toInt());
    return ids;
}

QString AnswerHistory::csvField(const QString& text) {
    QString field = text;
    // A cell starting like a formula would be run by the spreadsheet.
    if (!field.isEmpty() && QStringLiteral("=+-@\t\r").contains(field.front())) field.prepend(u'\'');
    if (field.contains(u',') || field.contains(u'"') || field.contains(u'\n') || field.contains(u'\r'))
        field = u'"' + field.replace(u'"', QStringLiteral("\"\"")) + u'"';
    return field;
}

bool AnswerHistory::exportCsv(int player, QIODevice& out) {
    if (!open()) return false;
    QSqlQuery query(QSqlDatabase::database(name_, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT COALESCE(p.name, ''), a.at, a.subject, a.game, a.word, a.right, "
                                 "a.points FROM answers a LEFT JOIN players p ON p.id = a.player "
                                 "WHERE a.player = ? ORDER BY a.at, a.id"));
    query.addBindValue(player);
    if (!query.exec()) {
        qCWarning(lcPlayers) << "answer log:" << query.lastError().text();
        return false;
    }
    // The byte order mark makes spreadsheets read the names as UTF-8.
    QByteArray text = QByteArrayLiteral("\xEF\xBB\xBF") + "player,time,subject,game,word,result,points\r\n";
    while (query.next()) {
        const QString time = QDateTime::fromMSecsSinceEpoch(query.value(1).toLongLong())
                                 .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        const QStringList fields = {csvField(query.value(0).toString()),
                                    time,
                                    csvField(query.value(2).toString()),
                                    csvField(query.value(3).toString()),
                                    csvField(query.value(4).toString()),
                                    query.value(5).toInt() ? QStringLiteral("right") : QStringLiteral("wrong"),
                                    QString::number(query.value(6).toInt())};
        text += fields.join(u',').toUtf8() + "\r\n";
        if (text.size() > 1 << 20) {
            if (out.write(text) != text.size()) return false;
            text.clear();
        }
    }
    return out.write(text) == text.size();
}

WordStates AnswerHistory::wordStates(int player, const QString& subject) {
    WordStates states;
    if (!open()) return states;
    QSqlDatabase db = QSqlDatabase::database(name_, false);
    // A file not upgraded yet has no word states: nothing learned.
    if (!WordStateTable::load(db, player, subject, states)) states.clear();
    return states;
}

QList<AnswerHistory::SubjectWords> AnswerHistory::subjectWords(int player) {
    QList<SubjectWords> result;
    if (!open()) return result;
    QSqlQuery query(QSqlDatabase::database(name_, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT subject, SUM(box >= ?), COUNT(*) FROM word_states WHERE player = ? "
                                 "GROUP BY subject ORDER BY subject"));
    query.addBindValue(WordState::TopBox);
    query.addBindValue(player);
    if (!query.exec()) return result;
    while (query.next())
        result.append({query.value(0).toString(), query.value(1).toInt(), query.value(2).toInt()});
    return result;
}

QList<AnswerHistory::Missed> AnswerHistory::keepsMissing(int player, int limit) {
    QList<Missed> result;
    if (!open()) return result;
    QSqlQuery query(QSqlDatabase::database(name_, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT subject, word, recent, last_at FROM word_states WHERE player = ? AND "
                                 "recent <> 0 ORDER BY last_at DESC"));
    query.addBindValue(player);
    if (!query.exec()) return result;
    while (query.next()) {
        WordState state;
        state.recentMisses = query.value(2).toInt();
        if (!state.keepsBeingMissed()) continue;
        result.append({query.value(0).toString(), query.value(1).toString(), std::popcount(unsigned(state.recentMisses))});
    }
    std::stable_sort(result.begin(), result.end(), [](const Missed& a, const Missed& b) { return a.misses > b.misses; });
    if (result.size() > limit) result.resize(limit);
    return result;
}

bool AnswerHistory::exportWordsCsv(int player, QIODevice& out) {
    if (!open()) return false;
    QSqlQuery query(QSqlDatabase::database(name_, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT COALESCE(p.name, ''), w.subject, w.word, w.asked, w.rights, w.missed, "
                                 "w.last_at, w.box, w.recent FROM word_states w LEFT JOIN players p ON p.id = w.player "
                                 "WHERE w.player = ? ORDER BY w.subject, w.word"));
    query.addBindValue(player);
    if (!query.exec()) {
        qCWarning(lcPlayers) << "answer log:" << query.lastError().text();
        return false;
    }
    QByteArray text = QByteArrayLiteral("\xEF\xBB\xBF") +
                      "player,subject,word,asked,right,wrong,last asked,box,learned,keeps being missed\r\n";
    while (query.next()) {
        WordState state;
        state.box = query.value(7).toInt();
        state.recentMisses = query.value(8).toInt();
        const QString last = QDateTime::fromMSecsSinceEpoch(query.value(6).toLongLong())
                                 .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        const QStringList fields = {csvField(query.value(0).toString()),
                                    csvField(query.value(1).toString()),
                                    csvField(query.value(2).toString()),
                                    QString::number(query.value(3).toInt()),
                                    QString::number(query.value(4).toInt()),
                                    QString::number(query.value(5).toInt()),
                                    last,
                                    QString::number(state.box),
                                    state.learned() ? QStringLiteral("yes") : QStringLiteral("no"),
                                    state.keepsBeingMissed() ? QStringLiteral("yes") : QStringLiteral("no")};
        text += fields.join(u',').toUtf8() + "\r\n";
    }
    return out.write(text) == text.size();
}
