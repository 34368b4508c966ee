// WordListReader: reads a word list from another program (CSV or KVTML 2) into words with their files.
#include "catalogue/WordListReader.h"

#include "catalogue/WordRules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QUrl>
#include <QXmlStreamReader>

namespace WordListReader {

namespace {

// Checks one entry and adds it, or says why it was left out.
class Collector {
public:
    Collector(WordListContents& out, const QString& folder) : out_(out), folder_(folder) {}

    void add(int line, const QString& rawWord, const QString& picture, const QString& sound) {
        const QString word = rawWord.simplified();
        if (out_.words.size() >= MaxWords) {
            out_.skipped.append({line, word, QStringLiteral("the list holds more than %1 words").arg(MaxWords)});
            return;
        }
        const QString problem = WordRules::unplayableReason(word);
        if (!problem.isEmpty()) {
            out_.skipped.append({line, rawWord, QStringLiteral("the word %1").arg(problem)});
            return;
        }
        if (seen_.contains(word.toLower())) {
            out_.skipped.append({line, word, QStringLiteral("the word is in the list twice")});
            return;
        }
        seen_.insert(word.toLower());
        ListedWord listed{line, word, file(line, word, picture, QStringLiteral("picture")),
                          file(line, word, sound, QStringLiteral("sound"))};
        out_.words.append(listed);
    }

private:
    QString file(int line, const QString& word, const QString& named, const QString& kind) {
        if (named.trimmed().isEmpty()) return {};
        QString reason;
        const QString path = fileInside(folder_, named.trimmed(), &reason);
        if (path.isEmpty())
            out_.notes.append(QStringLiteral("line %1, \"%2\": the %3 \"%4\" was left out: %5")
                                  .arg(line).arg(word, kind, named.trimmed(), reason));
        return path;
    }

    WordListContents& out_;
    QString folder_;
    QSet<QString> seen_;
};

bool looksBinary(const QByteArray& data) {
    return data.left(4096).contains('\0');
}

} // namespace

QString fileInside(const QString& folder, const QString& named, QString* reason) {
    QString path = named;
    if (path.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive)) path = QUrl(path).toLocalFile();
    if (path.contains(QStringLiteral("://"))) {
        *reason = QStringLiteral("files on the web are not fetched");
        return {};
    }
    const QString base = QFileInfo(folder).canonicalFilePath();
    const QFileInfo info(QDir(folder).absoluteFilePath(path));
    if (!info.exists()) {
        *reason = QStringLiteral("no such file");
        return {};
    }
    // Checked after links are followed, so neither ".." nor a link can reach out of the folder.
    const QString real = info.canonicalFilePath();
    if (base.isEmpty() || !real.startsWith(base + u'/')) {
        *reason = QStringLiteral("it lies outside the list's folder");
        return {};
    }
    if (!QFileInfo(real).isFile()) {
        *reason = QStringLiteral("not a file");
        return {};
    }
    return real;
}

WordListContents read(const QString& path) {
    WordListContents out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        out.error = QStringLiteral("the list cannot be opened");
        return out;
    }
    if (file.size() > MaxFileBytes) {
        out.error = QStringLiteral("the list is too big (over %1 MB)").arg(MaxFileBytes / (1024 * 1024));
        return out;
    }
    const QByteArray data = file.readAll();
    const QString folder = QFileInfo(path).absolutePath();
    return path.endsWith(QStringLiteral(".kvtml"), Qt::CaseInsensitive) ? readKvtml(data, folder)
                                                                         : readCsv(data, folder);
}

WordListContents readCsv(const QByteArray& data, const QString& folder) {
    WordListContents out;
    if (looksBinary(data)) {
        out.error = QStringLiteral("this is not a text file");
        return out;
    }
    QString text = QString::fromUtf8(data);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    Collector collector(out, folder);
    QStringList fields;
    QString field;
    bool quoted = false, fieldWasQuoted = false;
    int line = 1, recordLine = 1;
    auto endRecord = [&] {
        fields.append(field);
        field.clear();
        fieldWasQuoted = false;
        const bool blank = fields.size() == 1 && fields.first().trimmed().isEmpty();
        const bool header = recordLine == 1 && fields.first().trimmed().compare(QStringLiteral("word"), Qt::CaseInsensitive) == 0;
        if (!blank && !header) {
            if (fields.size() > 3)
                out.skipped.append({recordLine, fields.first(), QStringLiteral("the line has more than three fields")});
            else
                collector.add(recordLine, fields.value(0), fields.value(1), fields.value(2));
        }
        fields.clear();
        recordLine = line;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                if (c == u'\n') ++line;
                field += c;
            }
        } else if (c == u'"' && field.trimmed().isEmpty() && !fieldWasQuoted) {
            quoted = fieldWasQuoted = true;
            field.clear();
        } else if (c == u',') {
            fields.append(field);
            field.clear();
            fieldWasQuoted = false;
        } else if (c == u'\n') {
            ++line;
            endRecord();
        } else if (c != u'\r') {
            field += c;
        }
    }
    if (quoted) {
        out.skipped.append({recordLine, fields.value(0, field).left(40), QStringLiteral("a quote is never closed")});
        return out;
    }
    if (!field.isEmpty() || !fields.isEmpty()) endRecord();
    return out;
}

WordListContents readKvtml(const QByteArray& data, const QString& folder) {
    WordListContents out;
    Collector collector(out, folder);
    QXmlStreamReader xml(data);
    QString firstIdentifier;
    bool inIdentifiers = false;
    // Inside <entry>: the translation of the first identifier gives text, image and sound.
    int entryLine = 0;
    bool inEntry = false, inWanted = false;
    QString word, image, sound;
    bool seenRoot = false;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::DTD) {
            out.error = QStringLiteral("the file declares a document type, which is refused");
            return out;
        }
        if (token == QXmlStreamReader::EntityReference) {
            out.error = QStringLiteral("the file uses an entity (&%1;), which is refused").arg(xml.name());
            return out;
        }
        if (token == QXmlStreamReader::StartElement) {
            const auto name = xml.name();
            if (!seenRoot) {
                seenRoot = true;
                if (name != QStringLiteral("kvtml")) {
                    out.error = QStringLiteral("this is not a KVTML vocabulary file");
                    return out;
                }
            } else if (name == QStringLiteral("identifiers")) {
                inIdentifiers = true;
            } else if (inIdentifiers && name == QStringLiteral("identifier") && firstIdentifier.isNull()) {
                firstIdentifier = xml.attributes().value(QStringLiteral("id")).toString();
            } else if (name == QStringLiteral("entry")) {
                inEntry = true;
                entryLine = int(xml.lineNumber());
                word.clear();
                image.clear();
                sound.clear();
            } else if (inEntry && name == QStringLiteral("translation")) {
                const QString wanted = firstIdentifier.isNull() ? QStringLiteral("0") : firstIdentifier;
                inWanted = xml.attributes().value(QStringLiteral("id")) == wanted;
            } else if (inWanted && name == QStringLiteral("text")) {
                word = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            } else if (inWanted && name == QStringLiteral("image")) {
                image = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            } else if (inWanted && name == QStringLiteral("sound")) {
                sound = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        } else if (token == QXmlStreamReader::EndElement) {
            const auto name = xml.name();
            if (name == QStringLiteral("identifiers")) inIdentifiers = false;
            else if (name == QStringLiteral("translation")) inWanted = false;
            else if (name == QStringLiteral("entry") && inEntry) {
                inEntry = false;
                collector.add(entryLine, word, image, sound);
            }
        }
    }
    if (xml.hasError()) {
        out.error = QStringLiteral("the file is damaged near line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
        out.words.clear();
    } else if (!seenRoot) {
        out.error = QStringLiteral("the file is empty");
    }
    return out;
}

} // namespace WordListReader
