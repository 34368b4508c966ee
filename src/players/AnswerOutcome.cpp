// AnswerOutcome: SQLite's result codes, in the answer log's words.
#include "players/AnswerOutcome.h"

#include <QSqlError>

namespace AnswerDatabase {

Outcome classify(const QSqlError& error) {
    // The driver reports SQLite's result code; the low byte is the primary code.
    switch (error.nativeErrorCode().toInt() & 0xff) {
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return Outcome::Busy;
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        return Outcome::Damaged;
    default:
        return Outcome::Failed;
    }
}

} // namespace AnswerDatabase
