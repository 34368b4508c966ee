// FileNames: file-name rules and the picture listing, shared by the program and the word-pack tool.
#include "catalogue/FileNames.h"

#include "app/PathIgnoringCase.h"

#include <QDirIterator>
#include <QFile>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cstring>
#include <vector>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#endif

namespace Catalogue {

namespace {
QString stripTagsAndPrefix(QString word) {
    word.remove(BritishTag, Qt::CaseSensitive);
    word.remove(AmericanTag, Qt::CaseSensitive);
    return dropOrderPrefix(word);
}

// Case-insensitive order, so "01 " prefixes and mixed-case names order naturally; the exact comparison
// breaks ties so "Cat.edi" and "cat.edi" always come out in the same order. Each name is folded once.
void sortByName(QStringList& names) {
    struct Keyed {
        QString folded;
        QString name;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(size_t(names.size()));
    for (QString& name : names)
        keyed.push_back({name.toCaseFolded(), std::move(name)});
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        const int folded = QString::compare(a.folded, b.folded, Qt::CaseSensitive);
        if (folded != 0) return folded < 0;
        return QString::compare(a.name, b.name, Qt::CaseSensitive) < 0;
    });
    for (size_t i = 0; i < keyed.size(); ++i)
        names[qsizetype(i)] = std::move(keyed[i].name);
}

} // namespace

QString dropOrderPrefix(const QString& text) {
    // Characters as a reader sees them: "🍎 red" has one before its blank, so it is no prefix, and
    // a prefix of two emoji or accented letters is one.
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    qsizetype end = 0;
    for (int i = 0; i < 2 && end >= 0; ++i)
        end = graphemes.toNextBoundary();
    if (end < 0 || end >= text.size() || text.at(end) != u' ') return text;
    return text.mid(end + 1);
}

bool matchesLanguage(const QString& fileName, const QString& language) {
    const bool uk = fileName.contains(BritishTag, Qt::CaseSensitive);
    const bool us = fileName.contains(AmericanTag, Qt::CaseSensitive);
    if (language == QLatin1String("BRITISH")) return uk || !us;
    return us || !uk;
}

QString wordFromFileName(const QString& fileName) {
    return stripTagsAndPrefix(fileName.left(std::max<qsizetype>(0, fileName.size() - 4)));
}

QString pictureNamingWord(const QStringList& fileNames, const QString& word) {
    if (word.isEmpty()) return QString();
    for (const QString& name : fileNames)
        if (wordFromFileName(name) == word) return name;
    // A word whose file is named otherwise: the first name that holds it.
    for (const QString& name : fileNames)
        if (name.contains(word, Qt::CaseSensitive)) return name;
    return QString();
}

QString pictureKey(const QString& fileName) {
    const qsizetype dot = fileName.indexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

QString wordFromPictureKey(const QString& key) {
    return stripTagsAndPrefix(key);
}

QStringList listPictures(const QString& folder) {
    QStringList names;
    const QString dir = resolvePathIgnoringCase(folder);
    if (dir.isEmpty()) return names;
        // Hidden entries (such as "._cat.edi" left by other systems) are no word pictures.
#ifdef Q_OS_UNIX
    // A plain directory read: the entry types come with the names, so 10 000 files need no stat calls.
    const QByteArray encoded = QFile::encodeName(dir);
    if (DIR* d = ::opendir(encoded.constData())) {
        while (const dirent* e = ::readdir(d)) {
            const size_t length = std::strlen(e->d_name);
            if (e->d_name[0] == '.' || length < 4 || ::strcasecmp(e->d_name + length - 4, ".edi") != 0)
                continue;
            if (e->d_type != DT_REG) {
                struct stat st {};
                if (e->d_type != DT_LNK && e->d_type != DT_UNKNOWN) continue;
                if (::fstatat(::dirfd(d), e->d_name, &st, 0) != 0 || !S_ISREG(st.st_mode)) continue;
            }
            names.append(QFile::decodeName(QByteArray(e->d_name, qsizetype(length))));
        }
        ::closedir(d);
    }
#else
    QDirIterator it(dir, QDir::Files);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (name.endsWith(QLatin1String(".edi"), Qt::CaseInsensitive)) names.append(name);
    }
#endif
    sortByName(names);
    return names;
}

} // namespace Catalogue
