// LeadingNumber: reads a text as a number by its leading numeric part, the way numbers held as texts are read.
#pragma once

#include <QString>

// "40 points" -> 40, "  7" -> 7, "-3x" -> -3, "8.25" -> 8.25, "" or "abc" -> 0.
double leadingNumber(const QString& text);
// The same, truncated toward zero and clamped into 32 bits.
qint32 leadingInt(const QString& text);
