// Tests of reading word lists from other programs: CSV and KVTML, their bad and hostile forms, without a window.
#include "catalogue/WordListReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class tst_WordListReader : public QObject {
    Q_OBJECT
    QTemporaryDir tmp_;
    QString lists_; // the list's folder, inside tmp_

    void write(const QString& path, const QByteArray& data) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(data);
    }

    static QStringList wordsOf(const WordListContents& c) {
        QStringList words;
        for (const ListedWord& w : c.words) words << w.word;
        return words;
    }
    static QStringList reasonsOf(const WordListContents& c) {
        QStringList reasons;
        for (const SkippedWord& s : c.skipped) reasons << QString::number(s.line) + u' ' + s.reason;
        return reasons;
    }

private slots:
    void initTestCase() {
        QVERIFY(tmp_.isValid());
        lists_ = tmp_.filePath(QStringLiteral("class"));
        write(lists_ + QStringLiteral("/pics/cat.png"), "png");
        write(lists_ + QStringLiteral("/cat.ogg"), "ogg");
        write(tmp_.filePath(QStringLiteral("secret.png")), "outside");
        QVERIFY(QFile::link(tmp_.filePath(QStringLiteral("secret.png")), lists_ + QStringLiteral("/link.png")));
    }

    // Catches a header taken for a word, quotes or CRLF mishandled, or optional columns required.
    void csvReadsWordsAndTheirFiles() {
        const QByteArray csv = "\xEF\xBB\xBFword,picture,sound\r\n"
                               "cat,pics/cat.png,cat.ogg\r\n"
                               "\r\n"
                               "\"ice cream\",,\n"
                               "dog\n";
        const WordListContents c = WordListReader::readCsv(csv, lists_);
        QVERIFY(c.error.isEmpty());
        QCOMPARE(wordsOf(c), (QStringList{"cat", "ice cream", "dog"}));
        QCOMPARE(c.words[0].picture, QFileInfo(lists_ + "/pics/cat.png").canonicalFilePath());
        QCOMPARE(c.words[0].sound, QFileInfo(lists_ + "/cat.ogg").canonicalFilePath());
        QVERIFY(c.words[1].picture.isEmpty());
        QCOMPARE(c.words[2].line, 5);
        QVERIFY(c.skipped.isEmpty());
    }

    // Catches a word that cannot be a file name or cannot be played getting in, or a duplicate stored twice.
    void csvSkipsBadWordsWithTheirReason_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("reason");
        QTest::newRow("slash") << QByteArray("a/b") << "holds \"/\"";
        QTest::newRow("dots") << QByteArray("..") << "holds \".\"";
        QTest::newRow("quotes") << QByteArray("\"say \"\"hi\"\"\"") << "holds \"\"\"";
        QTest::newRow("only blanks") << QByteArray("   ,pics/cat.png") << "empty";
        QTest::newRow("too long") << QByteArray(30, 'a') << "longer than";
        QTest::newRow("four fields") << QByteArray("cat,a,b,c") << "more than three fields";
        QTest::newRow("twice") << QByteArray("cat\nCat") << "in the list twice";
        QTest::newRow("unclosed quote") << QByteArray("\"cat,x\ndog") << "never closed";
    }
    void csvSkipsBadWordsWithTheirReason() {
        QFETCH(QByteArray, line);
        QFETCH(QString, reason);
        const WordListContents c = WordListReader::readCsv(line + "\n", lists_);
        QVERIFY(c.error.isEmpty());
        QCOMPARE(c.skipped.size(), 1);
        QVERIFY(c.words.size() <= 1);
        QVERIFY2(c.skipped[0].reason.contains(reason), qPrintable(c.skipped[0].reason));
    }

    // Catches a list reaching files outside its own folder: by "..", an absolute path, a file: URL or a link.
    void pathsCannotLeaveTheListsFolder_data() {
        QTest::addColumn<QString>("named");
        QTest::addColumn<QString>("reason");
        QTest::newRow("dot dot") << "../secret.png" << "outside";
        QTest::newRow("inner dot dot") << "pics/../../secret.png" << "outside";
        QTest::newRow("absolute") << tmp_.filePath("secret.png") << "outside";
        QTest::newRow("file url") << "file://" + tmp_.filePath("secret.png") << "outside";
        QTest::newRow("link out") << "link.png" << "outside";
        QTest::newRow("web") << "https://example.org/cat.png" << "web";
        QTest::newRow("missing") << "pics/none.png" << "no such file";
        QTest::newRow("a folder") << "pics" << "not a file";
    }
    void pathsCannotLeaveTheListsFolder() {
        QFETCH(QString, named);
        QFETCH(QString, reason);
        const WordListContents c = WordListReader::readCsv("cat," + named.toUtf8() + "\n", lists_);
        QCOMPARE(wordsOf(c), QStringList{"cat"}); // the word still comes in, without the file
        QVERIFY(c.words[0].picture.isEmpty());
        QCOMPARE(c.notes.size(), 1);
        QVERIFY2(c.notes[0].contains(reason), qPrintable(c.notes[0]));
    }

    // Catches the first identifier's translation not being the one read, or image and sound lost.
    void kvtmlReadsTheFirstIdentifiersText() {
        const QByteArray kvtml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<kvtml version=\"2.0\">\n"
            "  <identifiers>\n"
            "    <identifier id=\"1\"><name>English</name></identifier>\n"
            "    <identifier id=\"0\"><name>French</name></identifier>\n"
            "  </identifiers>\n"
            "  <entries>\n"
            "    <entry id=\"0\">\n"
            "      <translation id=\"0\"><text>chat</text></translation>\n"
            "      <translation id=\"1\"><text>cat</text><image>pics/cat.png</image><sound>cat.ogg</sound></translation>\n"
            "    </entry>\n"
            "    <entry id=\"1\">\n"
            "      <translation id=\"1\"><text> red  fox </text></translation>\n"
            "    </entry>\n"
            "    <entry id=\"2\"><translation id=\"1\"><text>a/b</text></translation></entry>\n"
            "  </entries>\n"
            "</kvtml>";
        const WordListContents c = WordListReader::readKvtml(kvtml, lists_);
        QVERIFY2(c.error.isEmpty(), qPrintable(c.error));
        QCOMPARE(wordsOf(c), (QStringList{"cat", "red fox"}));
        QVERIFY(!c.words[0].picture.isEmpty() && !c.words[0].sound.isEmpty());
        QCOMPARE(reasonsOf(c).size(), 1);
    }

    // Catches entity expansion (billion laughs), external entities and DOCTYPE tricks being followed, and a
    // damaged file bringing in half its words.
    void kvtmlRefusesHostileAndDamagedFiles_data() {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("reason");
        QTest::newRow("entity expansion")
            << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE kvtml [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;\">]>\n"
            "<kvtml><entries><entry><translation id=\"0\"><text>&b;</text></translation></entry></entries></kvtml>")
            << "document type";
        QTest::newRow("external entity")
            << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE kvtml [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>\n"
            "<kvtml><entries><entry><translation id=\"0\"><text>&x;</text></translation></entry></entries></kvtml>")
            << "document type";
        QTest::newRow("external DTD")
            << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE kvtml SYSTEM \"http://example.org/kvtml2.dtd\"><kvtml/>")
            << "document type";
        QTest::newRow("undeclared entity")
            << QByteArray("<kvtml><entries><entry><translation id=\"0\"><text>&x;</text></translation></entry></entries></kvtml>")
            << "";
        QTest::newRow("cut short")
            << QByteArray("<kvtml><entries><entry><translation id=\"0\"><text>cat</text></translation></entry><entry>")
            << "damaged";
        QTest::newRow("not kvtml") << QByteArray("<html><body>cat</body></html>") << "not a KVTML";
        QTest::newRow("empty") << QByteArray() << "";
    }
    void kvtmlRefusesHostileAndDamagedFiles() {
        QFETCH(QByteArray, xml);
        QFETCH(QString, reason);
        const WordListContents c = WordListReader::readKvtml(xml, lists_);
        QVERIFY(!c.error.isEmpty());
        QVERIFY2(c.error.contains(reason), qPrintable(c.error));
        QVERIFY(c.words.isEmpty());
    }

    // Catches a binary or oversized file read as a list, and a huge list read past its cap.
    void bigAndBinaryFiles() {
        QVERIFY(!WordListReader::readCsv(QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11), lists_).error.isEmpty());
        QByteArray many;
        for (int i = 0; i < 10000; ++i) many += "w" + QByteArray::number(i).replace('0', "o").replace('1', "i")
                                               .replace('2', "z").replace('3', "e").replace('4', "h").replace('5', "s")
                                               .replace('6', "b").replace('7', "t").replace('8', "x").replace('9', "g") + "\n";
        const WordListContents c = WordListReader::readCsv(many, lists_);
        QCOMPARE(c.words.size(), 10000);
        const QString big = tmp_.filePath("big.csv");
        write(big, QByteArray(WordListReader::MaxFileBytes + 1, 'a'));
        QVERIFY(WordListReader::read(big).error.contains("too big"));
    }
};

QTEST_GUILESS_MAIN(tst_WordListReader)
#include "tst_WordListReader.moc"
