// WordRules: the playable-word rule.
#include "catalogue/WordRules.h"

#include <QSet>

namespace WordRules {

QString unplayableReason(const QString& word) {
    if (word.isEmpty()) return QStringLiteral("the word is empty");
    if (word.size() > kMaxWordLength)
        return QStringLiteral("longer than %1 characters").arg(kMaxWordLength);
    for (const QChar c : word) {
        const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        if (!letter && c != u' ') return QStringLiteral("holds \"%1\"; only the letters a to z and spaces can be played").arg(c);
    }
    if (word.startsWith(u' ') || word.endsWith(u' ') || word.contains(QStringLiteral("  ")))
        return QStringLiteral("has a space at an end or two spaces together");
    // A word of one repeated character can never be shuffled into something else.
    if (QSet<QChar>(word.begin(), word.end()).size() < 2)
        return QStringLiteral("needs at least two different characters");
    return {};
}

} // namespace WordRules
