// WordRules: which words every game can play; the file-name rules are the program's own (catalogue/FileNames.h).
#pragma once

#include <QString>

namespace WordRules {

// The mixed-letters game has one tile per character and 26 tiles.
constexpr int kMaxWordLength = 26;

// Why a game cannot play this word, or an empty text when it can.
QString unplayableReason(const QString& word);

} // namespace WordRules
