// WordStateTable: the word_states table of the answer log: one row per player, subject and word.
#pragma once

#include "players/Answer.h"
#include "players/WordState.h"

class QSqlDatabase;
class QSqlQuery;

namespace WordStateTable {

// The table as this version creates it.
extern const char* const CreateStatement;

// Moves the answer's word on by the answer; false on a database error, which the query then holds.
bool record(QSqlQuery& q, const Answer& answer);
// Every word state of a player in a subject; false on a database error.
bool load(QSqlDatabase& db, int player, const QString& subject, WordStates& states);
// Builds the table again from every answer kept, for a file written before the table existed.
bool rebuild(QSqlQuery& q);

} // namespace WordStateTable
