// bench_voices: how often an independent speech recogniser hears each spoken word and letter of a pack as
// the word meant, choosing among the pack's own words only.
#include "BenchMachine.h"
#include "app/PathIgnoringCase.h"
#include "catalogue/FileNames.h"
#include "catalogue/HomeSubjects.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QMutex>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThreadPool>
#include <algorithm>
#include <cstdio>

namespace {

const QString kModel = QStringLiteral("/usr/share/pocketsphinx/model/en-us");

// Pronunciations for the pack's words that the recogniser's dictionary lacks, from ordinary dictionaries.
const QHash<QString, QString> kExtraPronunciations = {
    {QStringLiteral("aeroplane"), QStringLiteral("EH R AH P L EY N")},
    {QStringLiteral("chilli"), QStringLiteral("CH IH L IY")},
    {QStringLiteral("cuboid"), QStringLiteral("K Y UW B OY D")},
    {QStringLiteral("decagon"), QStringLiteral("D EH K AH G AA N")},
    {QStringLiteral("heptagon"), QStringLiteral("HH EH P T AH G AA N")},
    {QStringLiteral("nonagon"), QStringLiteral("N AA N AH G AA N")},
    {QStringLiteral("parallelogram"), QStringLiteral("P EH R AH L EH L AH G R AE M")},
    {QStringLiteral("rhombus"), QStringLiteral("R AA M B AH S")},
    {QStringLiteral("trapezium"), QStringLiteral("T R AH P IY Z IY AH M")},
    {QStringLiteral("trapezoid"), QStringLiteral("T R AE P AH Z OY D")},
};

struct Item {
    QString place; // "fruit/apple.eda"
    QString path;
    QString meant; // lower case, as the grammar holds it
};

int fail(const QString& text) {
    std::fprintf(stderr, "bench_voices: %s\n", qPrintable(text));
    return 2;
}

bool run(const QString& program, const QStringList& args, QByteArray* out = nullptr) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return false;
    if (out) *out = p.readAllStandardOutput();
    return true;
}

// The recogniser's dictionary: every pronunciation of a word, "(2)" alternatives included.
QHash<QString, QStringList> readDictionary(const QString& path) {
    QHash<QString, QStringList> dict;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return dict;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        const qsizetype space = line.indexOf(u' ');
        if (space <= 0) continue;
        QString word = line.left(space);
        if (word.endsWith(u')')) word = word.left(word.indexOf(u'('));
        dict[word].append(line.mid(space + 1).trimmed());
    }
    return dict;
}

// Pronunciations of one word token: the dictionary's, else our table's, else two dictionary words joined
// (sweetcorn, dragonfly).
QStringList pronounce(const QString& token, const QHash<QString, QStringList>& dict) {
    if (dict.contains(token)) return dict.value(token);
    if (kExtraPronunciations.contains(token)) return {kExtraPronunciations.value(token)};
    for (qsizetype cut = token.size() - 2; cut >= 2; --cut) {
        const QString head = token.left(cut), tail = token.mid(cut);
        if (dict.contains(head) && dict.contains(tail)) return {dict[head].first() + u' ' + dict[tail].first()};
    }
    return {};
}

// Every way to say a text, its words' pronunciations in turn; empty when a word has none.
QStringList sayings(const QString& text, const QHash<QString, QStringList>& dict) {
    QStringList whole = {QString()};
    for (const QString& token : text.split(u' ')) {
        const QStringList prons = pronounce(token, dict);
        QStringList longer;
        for (const QString& start : whole)
            for (const QString& pron : prons) longer << (start.isEmpty() ? pron : start + u' ' + pron);
        whole = longer;
    }
    return whole;
}

// Whether what was heard is the text meant or sounds exactly like it (grey, gray): no ear can tell those apart.
bool heardAsMeant(const QString& heard, const QString& meant, const QHash<QString, QStringList>& dict) {
    if (heard == meant) return true;
    const QStringList meantSayings = sayings(meant, dict);
    for (const QString& saying : sayings(heard, dict))
        if (meantSayings.contains(saying)) return true;
    return false;
}

// Writes the grammar (one alternative per meant text) and the dictionary of their tokens; texts whose tokens
// cannot be pronounced are left out and returned.
QStringList writeRecogniserFiles(const QSet<QString>& texts, const QHash<QString, QStringList>& dict,
                                 const QString& folder) {
    QStringList alternatives, unknown;
    QMap<QString, QStringList> used;
    for (const QString& text : texts) {
        const bool known = !sayings(text, dict).isEmpty();
        if (known)
            for (const QString& token : text.split(u' ')) used.insert(token, pronounce(token, dict));
        (known ? alternatives : unknown).append(text);
    }
    alternatives.sort();
    QFile grammar(folder + QStringLiteral("/words.jsgf"));
    QFile lexicon(folder + QStringLiteral("/words.dict"));
    if (grammar.open(QIODevice::WriteOnly)) {
        grammar.write("#JSGF V1.0;\ngrammar words;\npublic <word> = ");
        grammar.write(alternatives.join(QStringLiteral(" | ")).toUtf8() + ";\n");
    }
    if (lexicon.open(QIODevice::WriteOnly)) {
        for (auto it = used.cbegin(); it != used.cend(); ++it)
            for (int i = 0; i < it.value().size(); ++i)
                lexicon.write(QStringLiteral("%1%2 %3\n")
                                  .arg(it.key(), i ? QStringLiteral("(%1)").arg(i + 1) : QString(), it.value()[i])
                                  .toUtf8());
    }
    return unknown;
}

// What the recogniser hears in one sound file, in lower case; empty when nothing.
QString hear(const QString& sound, const QString& folder, const QString& work) {
    const QString wav = work + QStringLiteral(".wav"), wav16 = work + QStringLiteral(".16k.wav");
    QFile file(sound);
    const bool riff = file.open(QIODevice::ReadOnly) && file.read(4) == "RIFF";
    file.close();
    if (!riff && !run(QStringLiteral("lame"), {QStringLiteral("--quiet"), QStringLiteral("--decode"), sound, wav}))
        return QStringLiteral("(does not decode)");
    // Dither as sox always adds it, but from the same seed each run, so one sound is heard alike every time.
    if (!run(QStringLiteral("sox"), {QStringLiteral("-R"), riff ? sound : wav, QStringLiteral("-r"), QStringLiteral("16000"),
                                     QStringLiteral("-c"), QStringLiteral("1"), QStringLiteral("-b"),
                                     QStringLiteral("16"), wav16}))
        return QStringLiteral("(does not convert)");
    QByteArray out;
    const bool ok = run(QStringLiteral("pocketsphinx_continuous"),
                        {QStringLiteral("-infile"), wav16, QStringLiteral("-hmm"), kModel + QStringLiteral("/en-us"),
                         QStringLiteral("-jsgf"), folder + QStringLiteral("/words.jsgf"), QStringLiteral("-dict"),
                         folder + QStringLiteral("/words.dict"), QStringLiteral("-logfn"), QStringLiteral("/dev/null")},
                        &out);
    QFile::remove(wav);
    QFile::remove(wav16);
    if (!ok) return QStringLiteral("(recogniser failed)");
    return QString::fromUtf8(out).simplified().toLower();
}

// Recognises every item against the alternatives and prints the share heard right and the misses.
void measure(const char* title, const QList<Item>& items, const QSet<QString>& alternatives,
             const QHash<QString, QStringList>& dict, int jobs) {
    QTemporaryDir work;
    const QStringList unknown = writeRecogniserFiles(alternatives, dict, work.path());
    QList<QString> heard(items.size());
    QThreadPool pool;
    pool.setMaxThreadCount(jobs);
    for (qsizetype i = 0; i < items.size(); ++i)
        pool.start([&, i] { heard[i] = hear(items[i].path, work.path(), work.filePath(QString::number(i))); });
    pool.waitForDone();

    int right = 0;
    QStringList misses;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (unknown.contains(items[i].meant)) continue;
        if (heardAsMeant(heard[i], items[i].meant, dict)) ++right;
        else misses << QStringLiteral("  %1 heard as \"%2\"").arg(items[i].place, heard[i]);
    }
    const int judged = int(items.size()) - int(std::count_if(items.cbegin(), items.cend(), [&](const Item& it) {
                                                   return unknown.contains(it.meant);
                                               }));
    std::printf("%s: %d of %d heard as meant or as a word that sounds the same (%.1f %%), among %lld alternatives\n", title, right, judged,
                judged ? 100.0 * right / judged : 0.0, static_cast<long long>(alternatives.size() - unknown.size()));
    for (const QString& m : misses) std::printf("%s\n", qPrintable(m));
    if (!unknown.isEmpty())
        std::printf("  not judged, the recogniser cannot pronounce: %s\n", qPrintable(unknown.join(QStringLiteral(", "))));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int jobs = 2;
    const qsizetype jobsAt = args.indexOf(QStringLiteral("--jobs"));
    if (jobsAt >= 0 && jobsAt + 1 < args.size()) {
        jobs = qMax(1, args[jobsAt + 1].toInt());
        args.remove(jobsAt, 2);
    }
    if (args.size() > 1 || args.value(0).startsWith(u'-'))
        return fail(QStringLiteral("usage: bench_voices [FILES_FOLDER] [--jobs N]"));
    const QString files = args.isEmpty() ? QDir(app.applicationDirPath()).filePath(QStringLiteral("../files"))
                                          : args.first();
    if (!QDir(files).exists()) return fail(QStringLiteral("no word pack at %1").arg(files));
    for (const QString& program : {QStringLiteral("pocketsphinx_continuous"), QStringLiteral("sox"), QStringLiteral("lame")})
        if (QStandardPaths::findExecutable(program).isEmpty())
            return fail(QStringLiteral("%1 is missing: apt-get install pocketsphinx pocketsphinx-en-us sox lame").arg(program));
    const QHash<QString, QStringList> dict = readDictionary(kModel + QStringLiteral("/cmudict-en-us.dict"));
    if (dict.isEmpty()) return fail(QStringLiteral("no recogniser dictionary; apt-get install pocketsphinx-en-us"));

    bench::printMachine();
    std::printf("pack: %s\n", qPrintable(QDir(files).canonicalPath()));

    // One item per word sound: a British and an American picture written alike share it.
    QList<Item> words;
    QSet<QString> vocabulary, seen;
    for (const HomeSubject& subject : HomeSubjects) {
        const QString folder = resolvePathIgnoringCase(QDir(files).filePath(QString::fromLatin1(subject.name)));
        for (const QString& picture : Catalogue::listPictures(folder)) {
            const QString word = Catalogue::wordFromFileName(picture);
            const QString sound = resolvePathIgnoringCase(QDir(folder).filePath(word + QStringLiteral(".eda")));
            if (!QFile::exists(sound) || seen.contains(sound)) continue;
            seen.insert(sound);
            words.append({QDir(files).relativeFilePath(sound), sound, word.toLower()});
            vocabulary.insert(word.toLower());
        }
    }
    measure("words", words, vocabulary, dict, jobs);

    // Letters are heard among the 26 letter names; "a" only as the name, not the article.
    QList<Item> letters;
    QSet<QString> names;
    QHash<QString, QStringList> letterDict;
    for (char c = 'a'; c <= 'z'; ++c) {
        const QString name(QChar::fromLatin1(c));
        names.insert(name);
        letterDict.insert(name, c == 'a' ? QStringList{QStringLiteral("EY")} : dict.value(name));
        for (const QString& file : {name, name.toUpper()}) {
            const QString sound = resolvePathIgnoringCase(QDir(files).filePath(QStringLiteral("Letters/") + file + QStringLiteral(".eda")));
            if (QFile::exists(sound)) letters.append({QStringLiteral("Letters/%1.eda").arg(file), sound, name});
        }
    }
    measure("letters", letters, names, letterDict, jobs);
    return 0;
}
