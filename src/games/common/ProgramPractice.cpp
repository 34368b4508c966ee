// ProgramPractice: reads the word states a game starts from.
#include "games/common/ProgramPractice.h"

#include "players/AnswerHistory.h"
#include "players/AnswerLog.h"
#include "players/PlayerRegistry.h"
#include "players/PracticeSetting.h"

namespace {
// Answers of the game just left are usually written within milliseconds; a locked file is not waited for.
constexpr int WrittenWaitMs = 200;
} // namespace

bool ProgramPractice::enabled() const {
    return PracticeSetting::missedWordsComeBack();
}

int ProgramPractice::player() const {
    return playerRegistry().currentId();
}

WordStates ProgramPractice::load(int player, const QString& subject) {
    AnswerLog* log = answerLog();
    if (!log) return {};
    log->waitUntilWritten(WrittenWaitMs);
    WordStates states = AnswerHistory(log->databasePath()).wordStates(player, subject);
    // Answers that could not be written (a locked or newer file) still count in this run.
    for (const Answer& answer : log->waitingAnswers(player, subject))
        if (!answer.word.isEmpty()) states[answer.word].apply(answer.right, answer.atMs);
    return states;
}

ProgramPractice& ProgramPractice::instance() {
    static ProgramPractice practice;
    return practice;
}
