// AnswerSchema: the answer log's versions (PRAGMA user_version) and the ordered steps between them.
#pragma once

#include "players/AnswerOutcome.h"

class QSqlDatabase;

namespace AnswerSchema {

// 0: no version (the first releases: answers and players); 1: those tables, versioned; 2: word states;
// 3: word states without memory mismatches (their rows are kept, and no longer count as misses).
constexpr int CurrentVersion = 3;

// The file's version, -1 when it cannot be read.
int version(QSqlDatabase& db);
// Brings an older file up to CurrentVersion in one transaction, keeping every answer; Newer for a file
// written by a later version, which is then left as it is.
AnswerDatabase::Outcome migrate(QSqlDatabase& db);

} // namespace AnswerSchema
