// AnswerOutcome: what a step on the answer log's file came to, read from SQLite's errors.
#pragma once

class QSqlError;

namespace AnswerDatabase {

// Newer: the file was written by a later version of the program; it is read but never written.
enum class Outcome { Done, Busy, Damaged, Failed, Newer };

// Busy for a lock held by another copy, Damaged for a file that is not (or no longer) a database.
Outcome classify(const QSqlError& error);

} // namespace AnswerDatabase
