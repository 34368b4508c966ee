// PathIgnoringCase: finds files named without regard to case, as the word material was named on a
// case-insensitive file system.
#include "app/PathIgnoringCase.h"

#include <QDirIterator>
#include <QFileInfo>

namespace {

// Case-insensitive first, so "01 " prefixes and mixed-case names order naturally; the exact comparison
// breaks ties so "Cat.edi" and "cat.edi" always come out in the same order.
bool nameLess(const QString& a, const QString& b) {
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    if (folded != 0) return folded < 0;
    return QString::compare(a, b, Qt::CaseSensitive) < 0;
}

// The entry of dir whose name equals name without regard to case; the first in name order when several do.
QString findEntryIgnoringCase(const QString& dir, const QString& name) {
    QString best;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QString entry = it.fileName();
        if (entry.compare(name, Qt::CaseInsensitive) == 0 && (best.isEmpty() || nameLess(entry, best)))
            best = entry;
    }
    return best;
}

QString joinPath(const QString& folder, const QString& name) {
    if (folder.endsWith(QLatin1Char('/'))) return folder + name;
    return folder + QLatin1Char('/') + name;
}
} // namespace

QString resolvePathIgnoringCase(const QString& path) {
    if (path.isEmpty() || QFileInfo::exists(path)) return path;

    const bool absolute = path.startsWith(QLatin1Char('/'));
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString resolved = absolute ? QStringLiteral("/") : QString();
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts.at(i);
        const QString exact = resolved.isEmpty() ? part : joinPath(resolved, part);
        if (part == QLatin1String(".") || part == QLatin1String("..") || QFileInfo::exists(exact)) {
            resolved = exact;
            continue;
        }
        const QString found =
            findEntryIgnoringCase(resolved.isEmpty() ? QStringLiteral(".") : resolved, part);
        if (found.isEmpty()) {
            // Nothing on disk by any case: keep what was resolved and the rest as asked.
            for (qsizetype j = i; j < parts.size(); ++j)
                resolved = resolved.isEmpty() ? parts.at(j) : joinPath(resolved, parts.at(j));
            return resolved;
        }
        resolved = resolved.isEmpty() ? found : joinPath(resolved, found);
    }
    return resolved;
}

