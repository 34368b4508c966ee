// leadingNumber: the number a text's leading numeric part stands for.
#pragma once

#include <QString>

// "40", " 40 points" and "40.0" read as 40, "-5x" as -5; an empty or non-numeric text reads as 0.
// Scores, high scores and card states are kept as texts and read this way.
double leadingNumber(const QString& text);
// Of two such texts, the one standing for the higher number; `candidate` on a tie.
QString higherNumber(const QString& stored, const QString& candidate);
