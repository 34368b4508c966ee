// WordRules: how the games read picture file names, and which words a game can play.
#include "WordRules.h"

#include <QDir>
#include <QSet>
#include <algorithm>

namespace WordRules {

bool isLanguageMatch(const QString& fileName, bool british) {
    const QString& own = british ? kBritishTag : kAmericanTag;
    const QString& other = british ? kAmericanTag : kBritishTag;
    return fileName.contains(own) || !fileName.contains(other);
}

QString wordFromFileName(const QString& fileName) {
    QString word = fileName.left(std::max<qsizetype>(0, fileName.size() - 4));
    word.remove(kBritishTag);
    word.remove(kAmericanTag);
    if (word.size() >= 3 && word.at(2) == QLatin1Char(' ')) word = word.mid(3);
    return word;
}

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

QStringList listPictures(const QString& folder) {
    QStringList names;
    const QStringList all = QDir(folder).entryList(QDir::Files);
    for (const QString& name : all)
        if (name.endsWith(QStringLiteral(".edi"), Qt::CaseInsensitive)) names << name;
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

} // namespace WordRules
