// AnswerRecorder: hands a game's judged answer to the answer log for the current player and subject.
#pragma once

#include <QString>

// Nothing happens while no log is installed.
void recordAnswer(const QString& game, const QString& word, bool right, qint32 points);
