// ResultTexts: the messages the games pass to the result dialogs, and the game window's notice lines.
#pragma once

#include <QString>

namespace ResultTexts {

inline QString wellDone() {
    return QStringLiteral("Well done!");
}
inline QString theWordIs(const QString& word) {
    return QStringLiteral(" The word is ") + word + u'.';
}
inline QString sorry() {
    return QStringLiteral("Sorry");
}
// No full stop: the right word ends the sentence as it is.
inline QString sorryTheWordIs(const QString& word) {
    return QStringLiteral(", the word is ") + word;
}
inline QString congratulations() {
    return QStringLiteral("Congratulations!");
}
inline QString youHaveWon(int points) {
    return QStringLiteral(" You have won ") + QString::number(points) +
           (points == 1 ? QStringLiteral(" point.") : QStringLiteral(" points."));
}
// Shown in the game window when a subject has too few usable pictures to deal a turn.
inline QString needsPictures(int count) {
    return QStringLiteral("This subject needs at least %1 pictures for this game.").arg(count);
}

} // namespace ResultTexts
