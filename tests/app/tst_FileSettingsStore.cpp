// Tests of the per-user settings file: names without case, the read limit, safe saves, broken files.
#include "app/FileSettingsStore.h"

#include "NonRegularFile.h"
#include "PipeFeeder.h"

#include <QDir>
#include <QLockFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <sys/resource.h>

namespace {
const QString Details = QStringLiteral("SOFTWARE\\Lexikite\\Settings\\Details");

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList brokenCopies(const QString& path) {
    return QDir(QFileInfo(path).absolutePath())
        .entryList({QStringLiteral("settings.ini.broken-*")}, QDir::Files, QDir::Name);
}
} // namespace

class tst_FileSettingsStore : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString path;
    int caseNumber = 0;

private slots:
    void init() { path = dir.path() + QStringLiteral("/%1/lexikite/settings.ini").arg(++caseNumber); }

    // Fault: names compared exactly, so a reset under another spelling misses the high score, or a second
    // spelling adds a second line to the file.
    void namesMatchWithoutRegardToCase_data() {
        QTest::addColumn<QString>("writeKey");
        QTest::addColumn<QString>("writeName");
        QTest::addColumn<QString>("readKey");
        QTest::addColumn<QString>("readName");
        QTest::newRow("value name") << Details << "Score-High - food" << Details << "SCORE-HIGH - food";
        QTest::newRow("subject name")
            << Details << "SCORE-HIGH - Phonics a to z" << Details << "SCORE-HIGH - phonics a to z";
        // The main window's placement key as stored since the first release.
        QTest::newRow("key path") << "SOFTWARE\\Lexikite\\mdb_IDX\\Window"
                                  << "Left"
                                  << "software\\LEXIKITE\\MDB_idx\\window"
                                  << "left";
        QTest::newRow("stray separators") << "\\SOFTWARE\\\\Lexikite\\Settings\\Details\\"
                                          << "Language" << Details << "LANGUAGE";
    }
    void namesMatchWithoutRegardToCase() {
        QFETCH(QString, writeKey);
        QFETCH(QString, writeName);
        QFETCH(QString, readKey);
        QFETCH(QString, readName);
        FileSettingsStore store(path);
        QVERIFY(store.writeString(writeKey, writeName, QStringLiteral("first")));
        QVERIFY(store.writeString(readKey, readName, QStringLiteral("40")));
        QCOMPARE(store.readString(writeKey, writeName, QStringLiteral("-")), QStringLiteral("40"));
        QCOMPARE(FileSettingsStore(path).readString(readKey, readName, QStringLiteral("-")),
                 QStringLiteral("40"));
        // One value, kept with the spelling it was first written with.
        const QByteArray text = fileBytes(path);
        QCOMPARE(text.count("=40\n"), 1);
        QVERIFY(!text.contains("first"));
        QVERIFY2(text.contains(writeName.toUtf8() + "=40"), text.constData());
    }

    // Fault: the 254-character read limit off by one, a terminator kept, or a missing value not giving
    // the caller's default exactly.
    void readsAtMost254Characters_data() {
        QTest::addColumn<int>("length"); // -1: never written
        QTest::addColumn<QString>("defaultText");
        QTest::addColumn<bool>("readsBack");
        QTest::newRow("never written, empty default") << -1 << "" << false;
        QTest::newRow("never written") << -1 << "AMERICAN" << false;
        QTest::newRow("empty text") << 0 << "0" << true;
        QTest::newRow("two characters") << 2 << "0" << true;
        QTest::newRow("254 characters") << 254 << "0" << true;
        QTest::newRow("255 characters") << 255 << "0" << false;
        QTest::newRow("4000 characters") << 4000 << "" << false;
    }
    void readsAtMost254Characters() {
        QFETCH(int, length);
        QFETCH(QString, defaultText);
        QFETCH(bool, readsBack);
        const QString text = length == 2 ? QStringLiteral("40") : QString(qMax(length, 0), QLatin1Char('7'));
        FileSettingsStore store(path);
        if (length >= 0) QVERIFY(store.writeString(Details, QStringLiteral("v"), text));
        const QString expected = readsBack ? text : defaultText;
        QCOMPARE(store.readString(Details, QStringLiteral("v"), defaultText), expected);
        QCOMPARE(FileSettingsStore(path).readString(Details, QStringLiteral("v"), defaultText), expected);
    }

    // Fault: a write to a new key path (or into a config folder that does not exist) silently failing.
    void writingCreatesEveryMissingKey() {
        FileSettingsStore store(path);
        QVERIFY(!store.hasKey(QStringLiteral("SOFTWARE\\Lexikite")));
        QVERIFY(store.writeString(QStringLiteral("SOFTWARE\\Lexikite\\New\\Deeper\\Key"), QStringLiteral("x"),
                                  QStringLiteral("1")));
        FileSettingsStore fresh(path);
        for (const char* key : {"SOFTWARE", "software\\lexikite", "SOFTWARE\\Lexikite\\New\\Deeper\\Key"})
            QVERIFY2(fresh.hasKey(QLatin1String(key)), key);
        QVERIFY(!fresh.hasKey(QStringLiteral("SOFTWARE\\Lexikite\\Ne")));
        QCOMPARE(fresh.readString(QStringLiteral("SOFTWARE\\Lexikite\\New\\Deeper\\Key"), QStringLiteral("X"),
                                  QString()),
                 QStringLiteral("1"));
    }

    // Fault: a text with a line break, "=", "[" or non-ASCII characters corrupting the file or reading
    // back changed.
    void anyTextRoundTrips_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("line breaks") << "Language"
                                     << "one\ntwo\r\nthree\r";
        QTest::newRow("equals and brackets") << "a=b"
                                             << "[SOFTWARE\\Other]\nx=y";
        QTest::newRow("comment look-alike") << "#name"
                                            << "; not a comment";
        QTest::newRow("bracketed name") << "[Details]"
                                        << "]";
        QTest::newRow("quotes and percent") << "q"
                                            << "\"it's\" 100% %41 %";
        QTest::newRow("non-ASCII") << "Crème brûlée"
                                   << "日本語 — ünïcödé 🪁";
        QTest::newRow("edge spaces and tab") << " padded "
                                             << "  \tspaced  ";
        QTest::newRow("backslashes") << "C:\\path"
                                     << "\\\\server\\share\\";
        QTest::newRow("empty name and text") << ""
                                             << "";
        QTest::newRow("control characters") << "ctl" << QString::fromUtf8("\x01\x7f\x1b end");
    }
    void anyTextRoundTrips() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        FileSettingsStore store(path);
        QVERIFY(store.writeString(Details, QStringLiteral("before"), QStringLiteral("b")));
        QVERIFY(store.writeString(Details, name, text));
        QVERIFY(store.writeString(Details, QStringLiteral("after"), QStringLiteral("a")));
        FileSettingsStore fresh(path);
        QCOMPARE(fresh.readString(Details, name, QStringLiteral("<default>")), text);
        QCOMPARE(fresh.readString(Details, QStringLiteral("before"), QString()), QStringLiteral("b"));
        QCOMPARE(fresh.readString(Details, QStringLiteral("after"), QString()), QStringLiteral("a"));
        QVERIFY(brokenCopies(path).isEmpty());
    }

    // Fault: a failed save (full disk, another copy holding the lock) losing the old value, leaving a
    // half-written file, or reporting success.
    void failedWriteKeepsOldValue_data() {
        QTest::addColumn<QString>("failure");
        QTest::newRow("disk full mid-write") << "disk full";
        QTest::newRow("another copy holds the lock") << "locked";
    }
    void failedWriteKeepsOldValue() {
        QFETCH(QString, failure);
        FileSettingsStore store(path);
        QVERIFY(store.writeString(Details, QStringLiteral("SCORE-HIGH - food"), QStringLiteral("40")));
        const QByteArray before = fileBytes(path);
        const QString huge(200000, QLatin1Char('9'));

        bool written = true;
        if (failure == QLatin1String("disk full")) {
            rlimit old{};
            getrlimit(RLIMIT_FSIZE, &old);
            auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
            rlimit tight = old;
            tight.rlim_cur = 4096;
            setrlimit(RLIMIT_FSIZE, &tight);
            written = store.writeString(Details, QStringLiteral("SCORE-HIGH - food"), huge);
            setrlimit(RLIMIT_FSIZE, &old);
            std::signal(SIGXFSZ, previousHandler);
        } else {
            QLockFile other(path + QStringLiteral(".lock"));
            QVERIFY(other.tryLock(0));
            written = store.writeString(Details, QStringLiteral("SCORE-HIGH - food"), QStringLiteral("50"));
        }
        QVERIFY(!written);
        QCOMPARE(fileBytes(path), before);
        QCOMPARE(store.readString(Details, QStringLiteral("score-high - food"), QString()),
                 QStringLiteral("40"));
        QCOMPARE(FileSettingsStore(path).readString(Details, QStringLiteral("SCORE-HIGH - food"), QString()),
                 QStringLiteral("40"));
        // No temporary or lock file left behind beside the settings.
        QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("settings.ini")});
    }

    // Fault: a blocked config folder crashing the store or claiming the save worked.
    void unusableFolderReadsDefaultsAndRefusesWrites() {
        writeBytes(dir.path() + QStringLiteral("/blocked/lexikite"),
                   "a plain file where the folder should be");
        FileSettingsStore store(dir.path() + QStringLiteral("/blocked/lexikite/settings.ini"));
        QVERIFY(!store.writeString(Details, QStringLiteral("Language"), QStringLiteral("BRITISH")));
        QCOMPARE(store.readString(Details, QStringLiteral("Language"), QStringLiteral("AMERICAN")),
                 QStringLiteral("AMERICAN"));
    }

    // Fault: one damaged line losing every score and the language (the whole file set aside), a damaged
    // key path's lines landing in the key before it, the original not kept, or the drop not logged.
    void damagedLinesAreDroppedAlone_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("kept"); // of food=40, fruit=30, Language=BRITISH
        const QByteArray key = "[SOFTWARE\\Lexikite\\Settings\\Details]\n";
        const QByteArray food = "SCORE-HIGH - food=40\n", fruit = "SCORE-HIGH - fruit=30\n";
        const QStringList both{QStringLiteral("food"), QStringLiteral("fruit")};
        QTest::newRow("binary garbage") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << QStringList();
        QTest::newRow("value before any key") << "Language=BRITISH\n" + key + food + fruit << both;
        QTest::newRow("unclosed key path")
            << key + food + "[SOFTWARE\\Lexikite\nLanguage=BRITISH\n" + key + fruit << both;
        QTest::newRow("key path with a bad escape")
            << key + food + "[%ZZ]\nLanguage=BRITISH\n" + key + fruit << both;
        QTest::newRow("line without =") << key + food + "Language BRITISH\n" + fruit << both;
        QTest::newRow("bad escape") << key + food + "Language=%G1\n" + fruit << both;
        QTest::newRow("not UTF-8") << key + "Language=\xff\xfe\n" + food + fruit << both;
        QTest::newRow("cut-off escape at the end")
            << key + "Language=BRITISH\n" + food + "SCORE-HIGH - fruit=%4" << QStringList{"Language", "food"};
    }
    void damagedLinesAreDroppedAlone() {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, kept);
        writeBytes(path, content);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("damaged line")));
        FileSettingsStore store(path);
        const auto read = [](FileSettingsStore& s, const char* name) {
            return s.readString(Details, QLatin1String(name), QStringLiteral("-"));
        };
        const auto expect = [&kept](const char* which, const char* text) {
            return kept.contains(QLatin1String(which)) ? QString::fromLatin1(text) : QStringLiteral("-");
        };
        FileSettingsStore fresh(path);
        for (FileSettingsStore* s : {&store, &fresh}) {
            QCOMPARE(read(*s, "SCORE-HIGH - food"), expect("food", "40"));
            QCOMPARE(read(*s, "SCORE-HIGH - fruit"), expect("fruit", "30"));
            QCOMPARE(read(*s, "Language"), expect("Language", "BRITISH"));
        }
        // The original is kept aside once; the mended file loads without dropping anything again.
        const QStringList aside = brokenCopies(path);
        QCOMPARE(aside.size(), 1);
        QVERIFY2(QRegularExpression(QStringLiteral("^settings\\.ini\\.broken-\\d{8}-\\d{6}$"))
                     .match(aside[0])
                     .hasMatch(),
                 qPrintable(aside[0]));
        QCOMPARE(fileBytes(QFileInfo(path).absolutePath() + QLatin1Char('/') + aside[0]), content);
        QVERIFY(store.writeString(Details, QStringLiteral("Language"), QStringLiteral("AMERICAN")));
        FileSettingsStore after(path);
        QCOMPARE(read(after, "Language"), QStringLiteral("AMERICAN"));
        QCOMPARE(brokenCopies(path).size(), 1);
    }

    // Fault: a second broken file in the same second replacing the first one kept aside.
    void earlierBrokenFileIsNeverOverwritten() {
        for (const QByteArray& garbage : {QByteArray("first garbage"), QByteArray("second garbage")}) {
            writeBytes(path, garbage);
            FileSettingsStore(path).readString(Details, QStringLiteral("x"), QString());
        }
        QStringList contents;
        for (const QString& name : brokenCopies(path))
            contents << QString::fromLatin1(
                fileBytes(QFileInfo(path).absolutePath() + QLatin1Char('/') + name));
        contents.sort();
        QCOMPARE(contents, (QStringList{QStringLiteral("first garbage"), QStringLiteral("second garbage")}));
    }

    // Fault: a named pipe where the file belongs blocking start-up for ever, a link to a device reading
    // until memory runs out, or a save replacing what could not be read.
    void aSpecialFileReadsAsDefaults_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("named pipe") << "pipe";
        QTest::newRow("link to /dev/zero") << "zero";
    }
    void aSpecialFileReadsAsDefaults() {
        QFETCH(QString, kind);
        QVERIFY(NonRegularFile::make(path, kind));
        const PipeFeeder feeder(path, "[" + Details.toUtf8() + "]\nLanguage=FROM THE PIPE\n");
        FileSettingsStore store(path);
        QCOMPARE(store.readString(Details, QStringLiteral("Language"), QStringLiteral("AMERICAN")),
                 QStringLiteral("AMERICAN"));
        QVERIFY(!store.writeString(Details, QStringLiteral("Language"), QStringLiteral("BRITISH")));
        QVERIFY(!QFileInfo(path).isFile());
    }

    // Fault: a save growing a file past the size the next start refuses, which then loses every score and
    // the language; or a file over that size giving back nothing at all.
    void aFileAtTheSizeLimitLosesNothing_data() {
        QTest::addColumn<QString>("padding");  // what fills the file: one long value, or many short ones
        QTest::addColumn<bool>("overAlready"); // written past the limit by an earlier release
        QTest::addColumn<bool>("fruitSaved");
        QTest::newRow("long value, grown by a save") << "long" << false << true;
        QTest::newRow("short values, grown by a save") << "short" << false << false;
        QTest::newRow("long value, over already") << "long" << true << true;
        QTest::newRow("short values, over already") << "short" << true << false;
    }
    void aFileAtTheSizeLimitLosesNothing() {
        QFETCH(QString, padding);
        QFETCH(bool, overAlready);
        QFETCH(bool, fruitSaved);
        QByteArray content = "[" + Details.toUtf8() + "]\nLanguage=BRITISH\nSCORE-HIGH - food=40\n";
        const qint64 target = FileSettingsStore::MaxFileBytes + (overAlready ? 100 : -30);
        if (padding == QLatin1String("long")) {
            content += "Notes=" + QByteArray(target - content.size() - 7, 'x') + "\n";
        } else {
            content += "[SOFTWARE\\Other]\n";
            for (int i = 0; content.size() < target - 20; ++i)
                content += "v" + QByteArray::number(i).rightJustified(8, '0') + "=123456\n";
            content += QByteArray(target - content.size() - 2, 'z') + "=\n";
        }
        QCOMPARE(content.size(), target);
        writeBytes(path, content);
        FileSettingsStore store(path);
        QCOMPARE(store.readString(Details, QStringLiteral("Language"), QString()), QStringLiteral("BRITISH"));
        QCOMPARE(store.writeString(Details, QStringLiteral("SCORE-HIGH - fruit"), QStringLiteral("30")),
                 fruitSaved);
        QVERIFY(QFileInfo(path).size() <= FileSettingsStore::MaxFileBytes || !fruitSaved);

        FileSettingsStore next(path);
        QCOMPARE(next.readString(Details, QStringLiteral("Language"), QString()), QStringLiteral("BRITISH"));
        QCOMPARE(next.readString(Details, QStringLiteral("SCORE-HIGH - food"), QString()),
                 QStringLiteral("40"));
        QCOMPARE(next.readString(Details, QStringLiteral("SCORE-HIGH - fruit"), QString()),
                 fruitSaved ? QStringLiteral("30") : QString());
        // Whatever was left out of the live file is kept whole beside it.
        const QStringList aside = brokenCopies(path);
        if (aside.isEmpty())
            QCOMPARE(fileBytes(path), content);
        else
            QCOMPARE(fileBytes(QFileInfo(path).absolutePath() + QLatin1Char('/') + aside.first()), content);
    }

    // Fault: one running copy saving its stale view of the file and wiping what another copy saved.
    void twoCopiesKeepEachOthersValues() {
        FileSettingsStore a(path), b(path);
        QCOMPARE(a.readString(Details, QStringLiteral("Language"), QStringLiteral("AMERICAN")),
                 QStringLiteral("AMERICAN"));
        QCOMPARE(b.readString(Details, QStringLiteral("Language"), QStringLiteral("AMERICAN")),
                 QStringLiteral("AMERICAN"));
        QVERIFY(a.writeString(Details, QStringLiteral("SCORE-HIGH - food"), QStringLiteral("30")));
        QVERIFY(b.writeString(Details, QStringLiteral("Language"), QStringLiteral("BRITISH")));
        QCOMPARE(a.readString(Details, QStringLiteral("Language"), QString()), QStringLiteral("BRITISH"));
        QCOMPARE(b.readString(Details, QStringLiteral("SCORE-HIGH - food"), QString()), QStringLiteral("30"));

        // Both saving at the same time, many times over.
        constexpr int Writes = 20;
        auto writer = [this](QChar who) {
            return QThread::create([this, who] {
                FileSettingsStore own(path);
                for (int i = 0; i < Writes; ++i)
                    own.writeString(Details, QStringLiteral("%1%2").arg(who).arg(i), QString::number(i));
            });
        };
        std::unique_ptr<QThread> first(writer(QLatin1Char('a'))), second(writer(QLatin1Char('b')));
        first->start();
        second->start();
        QVERIFY(first->wait(60000) && second->wait(60000));
        FileSettingsStore after(path);
        for (int i = 0; i < Writes; ++i)
            for (const char* who : {"a", "b"})
                QCOMPARE(after.readString(Details, QStringLiteral("%1%2").arg(QLatin1String(who)).arg(i),
                                          QString()),
                         QString::number(i));
        QCOMPARE(after.readString(Details, QStringLiteral("Language"), QString()), QStringLiteral("BRITISH"));
    }
};

QTEST_GUILESS_MAIN(tst_FileSettingsStore)
#include "tst_FileSettingsStore.moc"
