// AnswerDatabase: what the answer log's writer and its readers share: the schema, errors, the broken file.
#pragma once

#include <QString>

#include "players/AnswerOutcome.h"

class QSqlDatabase;

namespace AnswerDatabase {

// Journal, lock wait, integrity check, and the tables brought up to this version, on an open connection.
Outcome prepare(QSqlDatabase& db);
// Keeps the file (and its journal) as <file>.broken-YYYYMMDD-HHMMSS, never over an earlier one.
bool moveAside(const QString& path);
// A connection of its own under a name unique to the caller; readOnly never creates the file.
QSqlDatabase connect(const QString& path, const QString& connectionName, bool readOnly);

} // namespace AnswerDatabase
