// PackChecker: finds what in a word pack would leave a game silent, blank or stuck.
#pragma once

#include <QString>
#include <QStringList>

namespace PackChecker {

// Sounds outside these bounds are cut off or drag on.
constexpr double kShortestSound = 0.2;
constexpr double kLongestSound = 3.0;
// A game's spoken instruction is a sentence.
constexpr double kLongestInstruction = 8.0;

// Every problem of the pack in the folder, one line each, as "<place>: <problem>".
QStringList problems(const QString& folder);
// Every problem of a grown-up's own words under root (subject folders in the pack's layout), one line each.
QStringList userProblems(const QString& root);
// Why a sound file will not play well, or an empty text.
QString soundProblem(const QString& path, double longest = kLongestSound);

} // namespace PackChecker
