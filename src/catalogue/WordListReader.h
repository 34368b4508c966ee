// WordListReader: reads a word list from another program (CSV or KVTML 2) into words with their files.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct ListedWord {
    int line = 0;    // where it stands in the file, for the report
    QString word;
    QString picture; // absolute path inside the list's folder, or empty
    QString sound;   // same
};

struct SkippedWord {
    int line = 0;
    QString word;
    QString reason;
};

struct WordListContents {
    QList<ListedWord> words;
    QList<SkippedWord> skipped;
    QStringList notes; // a word that came in without a file the list named, and why
    QString error;     // the list as a whole could not be read
};

namespace WordListReader {

// A list bigger than this is no class's word list.
inline constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;
inline constexpr int MaxWords = 20000;

// By extension: ".kvtml" is KVTML, anything else CSV.
WordListContents read(const QString& path);
// "word,picture,sound" lines; the last two optional; an optional header line; quotes as in RFC 4180.
WordListContents readCsv(const QByteArray& data, const QString& folder);
// KVTML 2: each entry's translation of the first identifier gives the word, its image and sound the files.
// A document type declaration (and with it every entity trick) is refused.
WordListContents readKvtml(const QByteArray& data, const QString& folder);

// The file a list names, as an absolute path, when it stays inside the list's folder (after following
// links) and exists; else empty with the reason.
QString fileInside(const QString& folder, const QString& named, QString* reason);

} // namespace WordListReader
