// ChildFont: the typeface of the text a child reads: Andika, made for early readers, else a plain one.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace ChildFont {

// SIL's typeface for early readers: l, I and 1 differ, and a and g are the ones children learn to write.
inline constexpr char Family[] = "Andika";
// What the text falls back to where it is missing.
inline constexpr char Fallback[] = "Verdana";

// At start-up: makes the typeface known where the system's font list lacks it, from the font files
// ("Andika*.ttf") in the folders given, and settles the family every child's text uses. Returns whether
// wanted was found.
bool load(const QStringList& folders, const QString& wanted = QLatin1String(Family));
// The family settled by load (which runs with no folders when nothing called it).
QString family();
QFont font(int pointSize, bool bold = false);

} // namespace ChildFont
