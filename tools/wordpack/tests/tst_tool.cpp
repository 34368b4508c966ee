// Tests of the tool through its command line: adding pictures (good and bad input) and remaking a pack.
#include "PackChecker.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Result {
    int exitCode = -1;
    QString out, err;
};

Result runTool(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(WORDPACK_TOOL), args);
    if (!process.waitForFinished(120000)) qFatal("the tool did not finish");
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// Every file under a folder with its size: enough to see that nothing was written.
QStringList snapshot(const QString& root) {
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        files << QDir(root).relativeFilePath(it.filePath()) + ":" + QString::number(it.fileInfo().size());
    }
    files.sort();
    return files;
}

void writeImage(const QString& path, const char* format) {
    QImage image(320, 240, QImage::Format_ARGB32);
    image.fill(QColor(200, 120, 40, 180));
    QVERIFY(image.save(path, format));
}

void writeText(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

class tst_tool : public QObject {
    Q_OBJECT
    QTemporaryDir inputs_;

private slots:
    void initTestCase() {
        QVERIFY(inputs_.isValid());
        writeImage(inputs_.filePath("dog.png"), "PNG");
        writeImage(inputs_.filePath("horse photo.jpg"), "JPG");
        writeImage(inputs_.filePath("colour type_uk.png"), "PNG");
        writeImage(inputs_.filePath("cow.png"), "PNG");
        QVERIFY(QDir(inputs_.path()).mkpath("text"));
        writeText(inputs_.filePath("text/dog.png"), "this is not a picture\n");
        writeText(inputs_.filePath("empty.png"), "");
    }

    void addTurnsEachPictureIntoAWordWithItsSound_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("sound");
        QTest::newRow("named by its file") << QStringList{"dog.png"} << "dog.edi" << "dog.eda";
        QTest::newRow("named by --word")
            << QStringList{"--word", "pony", "--voice", "en-gb", "horse photo.jpg"} << "pony.edi" << "pony.eda";
        QTest::newRow("two words") << QStringList{"horse photo.jpg"} << "horse photo.edi" << "horse photo.eda";
        QTest::newRow("British variant") << QStringList{"colour type_uk.png"} << "colour type_uk.edi" << "colour.eda";
    }
    void addTurnsEachPictureIntoAWordWithItsSound() {
        QFETCH(QStringList, args);
        QFETCH(QString, picture);
        QFETCH(QString, sound);
        QTemporaryDir files;
        QVERIFY(QDir(files.path()).mkpath("farm animals"));
        for (QString& a : args)
            if (a.contains('.')) a = inputs_.filePath(a);
        // The subject is found without regard to case and written in its own spelling.
        const Result r = runTool(QStringList{"add", "--files", files.path(), "--subject", "FARM Animals"} + args);
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.out.startsWith("added "), qPrintable(r.out + r.err));
        const QDir folder(files.filePath("farm animals"));
        QImageReader reader(folder.filePath(picture));
        reader.setDecideFormatFromContent(true);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QVERIFY(image.width() <= 800 && image.height() <= 600);
        QCOMPARE(PackChecker::soundProblem(folder.filePath(sound)), QString());
    }

    void badInputGetsOneClearLineAndWritesNothing_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        const QString subject = "farm animals";
        QTest::newRow("text file named dog.png") << QStringList{"--subject", subject, "text/dog.png"} << "not a picture";
        QTest::newRow("zero-byte picture") << QStringList{"--subject", subject, "empty.png"} << "the file is empty";
        QTest::newRow("slash in the name")
            << QStringList{"--subject", subject, "--word", "cat/dog", "dog.png"} << "which a file name cannot carry";
        QTest::newRow("prefix hiding a slash")
            << QStringList{"--subject", subject, "--word", "a/ cat", "dog.png"} << "which a file name cannot carry";
        QTest::newRow("word a game cannot play")
            << QStringList{"--subject", subject, "--word", "dog2", "dog.png"} << "holds \"2\"";
        QTest::newRow("unknown subject") << QStringList{"--subject", "dinosaurs", "dog.png"} << "unknown subject";
        QTest::newRow("subject naming a path") << QStringList{"--subject", "../farm animals", "dog.png"} << "unknown subject";
        QTest::newRow("unknown voice") << QStringList{"--subject", subject, "--voice", "fr", "dog.png"} << "unknown voice";
        QTest::newRow("not an insect") << QStringList{"--subject", "insects", "--word", "spider", "dog.png"} << "does not belong";
        QTest::newRow("word already there") << QStringList{"--subject", subject, "cow.png"} << "already in";
        QTest::newRow("missing file") << QStringList{"--subject", subject, "nothing.png"} << "no such file";
        QTest::newRow("a bad one spoils the batch")
            << QStringList{"--subject", subject, "dog.png", "text/dog.png"} << "not a picture";
        QTest::newRow("one word for two pictures")
            << QStringList{"--subject", subject, "--word", "pet", "dog.png", "cow.png"} << "--word names one picture";
    }
    void badInputGetsOneClearLineAndWritesNothing() {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        QTemporaryDir files;
        QVERIFY(QDir(files.path()).mkpath("farm animals"));
        writeText(files.filePath("farm animals/cow.edi"), "existing");
        const QStringList before = snapshot(files.path());
        for (QString& a : args)
            if (a.endsWith(".png")) a = inputs_.filePath(a);
        const Result r = runTool(QStringList{"add", "--files", files.path()} + args);
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QCOMPARE(snapshot(files.path()), before);
    }

    void generateMakesOnlyWhatChanged() {
        QTemporaryDir out;
        const QString list = out.filePath("words.tsv");
        writeText(list, "basic shapes\tcircle\tdraw:circle\n"
                        "colors\tred\tcolour #e53935\n"
                        "small numbers\tseven\tnumber 7\n");
        const QStringList args = {"generate", "--words", list, "--emoji", WORDPACK_ARTWORK, "--out", out.filePath("files")};
        Result r = runTool(args);
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const QImage circle(out.filePath("files/basic shapes/circle.edi"), "PNG");
        QCOMPARE(circle.size(), QSize(800, 600));
        QCOMPARE(PackChecker::soundProblem(out.filePath("files/small numbers/seven.eda")), QString());
        QCOMPARE(PackChecker::soundProblem(out.filePath("files/Letters/Z.eda")), QString());
        // A British learner hears the letters and instructions in the British voice.
        QCOMPARE(PackChecker::soundProblem(out.filePath("files/Letters/uk/Z.eda")), QString());
        QCOMPARE(PackChecker::soundProblem(out.filePath("files/Instructions/uk/memory.eda")), QString());
        QCOMPARE(PackChecker::soundProblem(out.filePath("files/colors/1.eda")), QString());

        r = runTool(args);
        QVERIFY2(r.out.contains(" 0 made,"), qPrintable(r.out));

        // A word dropped from the list goes; a changed picture is remade; a teacher's own word stays.
        writeText(out.filePath("files/colors/teal.edi"), "a teacher's picture");
        writeText(list, "basic shapes\tcircle\tdraw:circle\n"
                        "colors\tred\tcolour #ff0000\n");
        r = runTool(args);
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY2(r.out.contains(" 1 made,") && r.out.contains(" 2 removed"), qPrintable(r.out));
        QVERIFY(!QFile::exists(out.filePath("files/small numbers/seven.edi")));
        QVERIFY(!QFile::exists(out.filePath("files/small numbers/seven.eda")));
        QVERIFY(QFile::exists(out.filePath("files/colors/teal.edi")));
    }

    void generateRefusesABadListAndMakesNothing_data() {
        QTest::addColumn<QByteArray>("badLine");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown drawing") << QByteArray("basic shapes\tblob\tdraw:blob") << "line 2: no drawing named \"blob\"";
        QTest::newRow("missing artwork") << QByteArray("food\tjam\t1f9ff9") << "line 2: artwork";
        QTest::newRow("word twice") << QByteArray("basic shapes\tCircle\tdraw:circle") << "line 2: \"Circle\" is already";
    }
    void generateRefusesABadListAndMakesNothing() {
        QFETCH(QByteArray, badLine);
        QFETCH(QString, message);
        QTemporaryDir out;
        const QString list = out.filePath("words.tsv");
        writeText(list, "basic shapes\tcircle\tdraw:circle\n" + badLine + "\n");
        const Result r = runTool({"generate", "--words", list, "--emoji", WORDPACK_ARTWORK, "--out", out.filePath("files")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(!QFile::exists(out.filePath("files")));
    }

    // Catches the import command missing a format, writing outside --into, or reporting without counts; a
    // hostile file must write nothing and fail.
    void importBringsInAListWithAReport_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        QTest::newRow("csv") << "week.csv" << QByteArray("word,picture\nrex,dog.png\nbad/word\n") << 0
                             << "1 words came in";
        QTest::newRow("kvtml") << "week.kvtml"
                               << QByteArray("<kvtml version=\"2.0\"><entries><entry id=\"0\"><translation id=\"0\">"
                                             "<text>rex</text><image>dog.png</image></translation></entry></entries></kvtml>")
                               << 0 << "Pictures: 1 their own";
        QTest::newRow("entity trick") << "evil.kvtml"
                                      << QByteArray("<!DOCTYPE kvtml [<!ENTITY x SYSTEM \"/etc/passwd\">]><kvtml>&x;</kvtml>")
                                      << 1 << "document type";
    }
    void importBringsInAListWithAReport() {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        QTemporaryDir into;
        writeText(inputs_.filePath(name), content);
        const Result r = runTool({"import", inputs_.filePath(name), "--subject", "farm animals", "--into", into.path()});
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(r.out.contains(said), qPrintable(r.out + r.err));
        QCOMPARE(QFileInfo::exists(into.filePath("farm animals/rex.edi")), exitCode == 0);
        if (exitCode == 0) QVERIFY(QFileInfo::exists(into.filePath("farm animals/rex.eda"))); // spoken
    }
};

QTEST_GUILESS_MAIN(tst_tool)
#include "tst_tool.moc"
