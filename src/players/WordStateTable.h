// WordStateTable: the word_states table of the answer log: one row per player, subject and word.
#pragma once

#include "players/Answer.h"
#include "players/WordState.h"

#include <QString>

class QSqlDatabase;
class QSqlQuery;

namespace WordStateTable {

// The table as this version creates it.
extern const char* const CreateStatement;

// The answers rows that tell of their word: not a pass (no word), nor a memory game mismatch, which
// earlier releases logged as a miss though it is a slip of memory, not a word unknown.
QString aboutWordCondition();

// Moves the answer's word on by the answer; false on a database error, which the query then holds.
bool record(QSqlQuery& q, const Answer& answer);
// Every word state of a player in a subject; false on a database error.
bool load(QSqlDatabase& db, int player, const QString& subject, WordStates& states);
// Builds the table again from every answer about a word kept, for a file written before the table existed
// or before memory mismatches were left out.
bool rebuild(QSqlQuery& q);

} // namespace WordStateTable
