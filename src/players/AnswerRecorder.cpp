// AnswerRecorder: the answer as the log keeps it: who, when, which subject and game, the word, the result.
#include "players/AnswerRecorder.h"

#include "app/AppState.h"
#include "players/AnswerLog.h"
#include "players/PlayerRegistry.h"

#include <QDateTime>

void recordAnswer(const QString& game, const QString& word, bool right, qint32 points) {
    AnswerLog* log = answerLog();
    if (!log) return;
    const Player player = playerRegistry().current();
    log->record({player.id, QDateTime::currentMSecsSinceEpoch(), appState().section, game, word, right, points},
                player.name);
}
