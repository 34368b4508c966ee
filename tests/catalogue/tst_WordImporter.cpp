// Tests of importing a word list into the grown-up's words: what each word gets, the report, stopping midway.
#include "audio/Pcm.h"
#include "catalogue/UserWords.h"
#include "catalogue/WordImporter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void write(const QString& path, const QByteArray& data) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

// A short WAVE file of a tone.
QByteArray wave() {
    Pcm pcm;
    pcm.samples.fill(8000, 2205);
    QByteArray out = "RIFF";
    const QByteArray raw = pcm.raw();
    auto le32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); };
    auto le16 = [](quint16 v) { return QByteArray(reinterpret_cast<const char*>(&v), 2); };
    out += le32(36 + raw.size()) + "WAVEfmt " + le32(16) + le16(1) + le16(1) + le32(pcm.rate) + le32(pcm.rate * 2) +
           le16(2) + le16(16) + "data" + le32(raw.size()) + raw;
    return out;
}

} // namespace

class tst_WordImporter : public QObject {
    Q_OBJECT
    QTemporaryDir tmp_;

    ImportOptions options(const QString& list) const {
        return {tmp_.filePath(list), QStringLiteral("my words"), tmp_.filePath("words"), tmp_.filePath("files"), false};
    }

private slots:
    void init() {
        QVERIFY(tmp_.isValid());
        QDir(tmp_.filePath("words")).removeRecursively();
        QImage drawing(800, 600, QImage::Format_RGB32);
        drawing.fill(Qt::blue);
        QVERIFY(QDir().mkpath(tmp_.filePath("files/farm animals")));
        QVERIFY(drawing.save(tmp_.filePath("files/farm animals/03 cow.edi"), "PNG"));
        QImage photo(640, 480, QImage::Format_RGB32);
        photo.fill(Qt::red);
        QVERIFY(QDir().mkpath(tmp_.filePath("list")));
        QVERIFY(photo.save(tmp_.filePath("list/cat.jpg")));
        write(tmp_.filePath("list/cat.wav"), wave());
        write(tmp_.filePath("list/fake.mp3"), "not a sound at all");
    }

    // Catches a word given the wrong picture or sound, a bad sound stored, or a report that miscounts.
    void eachWordGetsTheBestPictureAndSoundItCan() {
        write(tmp_.filePath("list/words.csv"), "cat,cat.jpg,cat.wav\ncow\nzebra,,fake.mp3\nbad/word\n");
        const ImportReport report = WordImporter::run(options("list/words.csv"));
        QVERIFY2(report.error.isEmpty(), qPrintable(report.error));
        QCOMPARE(report.added, 3);
        QCOMPARE(report.withOwnPicture, 1);
        QCOMPARE(report.withPackDrawing, 1);
        QCOMPARE(report.withWordCard, 1);
        QCOMPARE(report.withOwnSound, 1);
        QCOMPARE(report.silent, 2);
        QCOMPARE(report.skipped.size(), 1);
        QVERIFY(report.notes.join(' ').contains("zebra"));
        const QString mine = tmp_.filePath("words/my words/");
        QCOMPARE(QImage(mine + "cow.edi").pixelColor(400, 300), QColor(Qt::blue));
        QCOMPARE(QImage(mine + "zebra.edi").size(), QSize(800, 600));
        QVERIFY(QFileInfo::exists(mine + "cat.eda"));
        QVERIFY(!QFileInfo::exists(mine + "zebra.eda"));
        QVERIFY(report.text().contains("3 words came in"));
        QVERIFY(report.text().contains("bad/word"));
        // The default pack is never written.
        QCOMPARE(QDir(tmp_.filePath("files/farm animals")).entryList(QDir::Files).size(), 1);

        // Again: the words already there are kept and reported, not replaced.
        const ImportReport again = WordImporter::run(options("list/words.csv"));
        QCOMPARE(again.added, 0);
        QCOMPARE(again.skipped.size(), 4);
    }

    // Catches an import that ignores Stop, or reports progress out of order.
    void progressIsReportedAndStopHonoured() {
        QByteArray many;
        for (char a = 'a'; a <= 'z'; ++a)
            for (char b = 'a'; b <= 'z'; ++b) many += QByteArray("w") + a + b + "\n";
        write(tmp_.filePath("list/many.csv"), many);
        QList<int> seen;
        int listed = 0;
        const ImportReport report = WordImporter::run(options("list/many.csv"), [&](int done, int total) {
            seen << done;
            listed = total;
            return done < 5;
        });
        QCOMPARE(listed, 26 * 26 - 1); // "www" is no playable word
        QCOMPARE(seen, (QList<int>{1, 2, 3, 4, 5}));
        QCOMPARE(report.added, 5);
        QVERIFY(report.cancelled);
    }

    // Catches a malformed list or an unknown subject writing anything.
    void aBrokenListWritesNothing() {
        write(tmp_.filePath("list/broken.kvtml"), "<kvtml><entries><entry><translation id=\"0\"><text>cat");
        ImportOptions o = options("list/broken.kvtml");
        QVERIFY(!WordImporter::run(o).error.isEmpty());
        o.listPath = tmp_.filePath("list/words.csv");
        o.subject = QStringLiteral("nowhere");
        QVERIFY(!WordImporter::run(o).error.isEmpty());
        QVERIFY(!QFileInfo::exists(tmp_.filePath("words")));
    }
};

QTEST_MAIN(tst_WordImporter)
#include "tst_WordImporter.moc"
