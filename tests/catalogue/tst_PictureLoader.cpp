// Tests for picture loading: size-aware decoding, bad files refused without harm, and the cache.
#include "catalogue/PictureLoader.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>
#include <QTest>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {
QImage pattern(int w, int h, QColor colour) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(colour);
    QPainter p(&img);
    for (int y = 0; y < h; y += 7)
        p.fillRect(0, y, w, 2, Qt::black);
    return img;
}

QByteArray encoded(const QImage& img, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, format);
    return bytes;
}

quint32 crc32(const QByteArray& data) {
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : data) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray pngChunk(const char* type, const QByteArray& payload) {
    QByteArray body = QByteArray(type) + payload;
    QByteArray chunk(4, '\0');
    qToBigEndian(quint32(payload.size()), chunk.data());
    chunk += body;
    QByteArray crc(4, '\0');
    qToBigEndian(crc32(body), crc.data());
    return chunk + crc;
}

// A well-formed PNG header (valid checksums) for a 30000 x 30000 RGBA picture, with a token of data.
QByteArray hugePng() {
    QByteArray ihdr(13, '\0');
    qToBigEndian(quint32(30000), ihdr.data());
    qToBigEndian(quint32(30000), ihdr.data() + 4);
    ihdr[8] = 8; // bit depth
    ihdr[9] = 6; // RGBA
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", ihdr) +
           pngChunk("IDAT", qCompress(QByteArray(4096, '\0')).mid(4)) + pngChunk("IEND", {});
}

// A real JPEG whose frame header is rewritten to claim 30000 x 30000.
QByteArray hugeJpeg() {
    QByteArray bytes = encoded(pattern(64, 48, Qt::red), "JPG");
    const qsizetype sof = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    if (sof < 0) return {};
    qToBigEndian(quint16(30000), bytes.data() + sof + 5);
    qToBigEndian(quint16(30000), bytes.data() + sof + 7);
    return bytes;
}

long peakRssKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
} // namespace

class tst_PictureLoader : public QObject {
    Q_OBJECT

private:
    QTemporaryDir tmp_;

    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = tmp_.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) return {};
        return path;
    }

private slots:
    void initTestCase() { QVERIFY(tmp_.isValid()); }

    // Catches a crash, a hang or a giant allocation on a broken or hostile picture file.
    void badFilesGiveNoPicture_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray png = encoded(pattern(300, 200, Qt::green), "PNG");
        QTest::newRow("zero bytes") << QByteArray();
        QTest::newRow("text") << QByteArray("a cat sat on the mat\n");
        QTest::newRow("truncated png") << png.left(png.size() / 2);
        QTest::newRow("png header only") << png.left(40);
        const QByteArray jpeg = encoded(pattern(300, 200, Qt::green), "JPG");
        QTest::newRow("truncated jpeg") << jpeg.left(jpeg.size() * 2 / 3);
        QTest::newRow("jpeg header only") << jpeg.left(jpeg.indexOf(QByteArray("\xFF\xDA", 2)) + 20);
        QTest::newRow("png claiming 30000x30000") << hugePng();
        QTest::newRow("jpeg claiming 30000x30000") << hugeJpeg();
    }
    void badFilesGiveNoPicture() {
        QFETCH(QByteArray, bytes);
        const QString path = write(QStringLiteral("bad.edi"), bytes);
        QVERIFY(!path.isEmpty());
        const long rssBefore = peakRssKb();
        QElapsedTimer timer;
        timer.start();
        QVERIFY(PictureLoader::decode(path, QSize(240, 180)).isNull());
        QVERIFY(PictureLoader::decode(path, QSize()).isNull());
        PictureLoader loader;
        QVERIFY(loader.image(path, QSize(240, 180)).isNull());
        QVERIFY(loader.pixmap(path, QSize(240, 180)).isNull());
        QVERIFY2(timer.elapsed() < 2000, "refusing a bad picture must be quick");
        QVERIFY2(peakRssKb() - rssBefore < 64 * 1024, "a bad picture must not allocate its claimed size");
    }

    // Catches a hang on a pipe, a folder taken for a picture, or an enormous file read into memory.
    void nonPictureEntriesGiveNoPicture_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("folder") << "folder";
        QTest::newRow("pipe") << "pipe";
        QTest::newRow("200 MB file") << "huge";
    }
    void nonPictureEntriesGiveNoPicture() {
        QFETCH(QString, kind);
        const QString path = tmp_.filePath(kind + QStringLiteral(".edi"));
        if (kind == QLatin1String("folder")) QVERIFY(QDir().mkpath(path));
        if (kind == QLatin1String("pipe")) QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        if (kind == QLatin1String("huge")) {
            QFile f(path); // sparse: costs no disk
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.write("\x89PNG\r\n\x1a\n", 8) == 8);
            QVERIFY(f.resize(qint64(200) * 1024 * 1024));
        }
        const long rssBefore = peakRssKb();
        QVERIFY(PictureLoader::decode(path, QSize(10, 10)).isNull());
        QVERIFY(peakRssKb() - rssBefore < 64 * 1024);
    }

    // Catches pictures decoded at full size, stretched out of shape, or refused for their ".edi" name.
    void decodesToFitTheShownBox_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<QSize>("expected");
        const QByteArray wide = encoded(pattern(800, 600, Qt::red), "JPG");
        const QByteArray tall = encoded(pattern(300, 400, Qt::blue), "PNG");
        QTest::newRow("jpeg down to box") << wide << QSize(240, 180) << QSize(240, 180);
        QTest::newRow("jpeg into a taller box") << wide << QSize(240, 400) << QSize(240, 180);
        QTest::newRow("png tall into wide box") << tall << QSize(240, 180) << QSize(135, 180);
        QTest::newRow("small picture fills the box")
            << encoded(pattern(100, 50, Qt::red), "PNG") << QSize(240, 180) << QSize(240, 120);
        QTest::newRow("jpeg with data after its end")
            << wide + QByteArray(5000, '\x5A') << QSize(80, 60) << QSize(80, 60);
        QTest::newRow("no box, own size") << tall << QSize() << QSize(300, 400);
        QTest::newRow("bmp by content")
            << encoded(pattern(40, 40, Qt::red), "BMP") << QSize(20, 20) << QSize(20, 20);
    }
    void decodesToFitTheShownBox() {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, box);
        QFETCH(QSize, expected);
        const QString path = write(QStringLiteral("good.edi"), bytes);
        QCOMPARE(PictureLoader::decode(path, box).size(), expected);
    }

    // Catches a picture asked for by a name in another case not being found.
    void findsPictureUnderAnotherCase() {
        write(QStringLiteral("Zebra.edi"), encoded(pattern(40, 30, Qt::red), "PNG"));
        QCOMPARE(PictureLoader::decode(tmp_.filePath(QStringLiteral("zebra.EDI")), QSize(20, 15)).size(),
                 QSize(20, 15));
    }

    // Catches a cache that decodes again on every show, or shows a stale picture after the file changed.
    void cacheHitsAndNoticesChangedFiles() {
        PictureLoader loader;
        const QString path = write(QStringLiteral("cached.edi"), encoded(pattern(80, 60, Qt::red), "PNG"));
        const QImage first = loader.image(path, QSize(40, 30));
        QVERIFY(!first.isNull());
        QCOMPARE(loader.image(path, QSize(40, 30)).cacheKey(), first.cacheKey());
        QCOMPARE(loader.cachedCount(), 1);
        QVERIFY(loader.image(path, QSize(20, 15)).cacheKey() != first.cacheKey());

        // Same byte count, new content: only the modification time tells.
        const QDateTime stamp = QFileInfo(path).lastModified();
        write(QStringLiteral("cached.edi"), encoded(pattern(80, 60, Qt::blue), "PNG"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(stamp.addSecs(5), QFileDevice::FileModificationTime));
        f.close();
        const QImage second = loader.image(path, QSize(40, 30));
        QVERIFY(second.cacheKey() != first.cacheKey());
        QCOMPARE(QColor(second.pixel(20, 5)), QColor(Qt::blue));
        QCOMPARE(loader.cachedCount(), 2);
    }

    // Catches a batch load that mixes up the order, loses a picture beside a broken one, or bypasses the
    // cache.
    void batchKeepsOrderAndSharesTheCache() {
        PictureLoader loader;
        QStringList paths;
        const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan};
        for (int i = 0; i < 5; ++i)
            paths << write(QStringLiteral("batch%1.edi").arg(i), encoded(pattern(64, 48, colours[i]), "PNG"));
        paths.insert(2, write(QStringLiteral("batchbad.edi"), QByteArray("not a picture")));
        const QImage early = loader.image(paths.at(4), QSize(32, 24));

        const QList<QImage> images = loader.images(paths, QSize(32, 24));
        QCOMPARE(images.size(), paths.size());
        QVERIFY(images.at(2).isNull());
        QCOMPARE(images.at(4).cacheKey(), early.cacheKey());
        for (int i = 0, k = 0; i < images.size(); ++i) {
            if (i == 2) continue;
            QCOMPARE(QColor(images.at(i).pixel(16, 2)), colours[k++]);
        }
        QCOMPARE(loader.images(paths, QSize(32, 24)).at(5).cacheKey(), images.at(5).cacheKey());
    }

    // Catches a cache that grows without bound over a long session.
    void cacheStaysWithinItsBounds() {
        const QByteArray png = encoded(pattern(100, 100, Qt::red), "PNG");
        PictureLoader byCount(1 << 30, 3);
        PictureLoader byBytes(3 * 100 * 100 * 4, 100);
        for (int i = 0; i < 6; ++i) {
            const QString path = write(QStringLiteral("p%1.edi").arg(i), png);
            QVERIFY(!byCount.image(path, QSize(100, 100)).isNull());
            QVERIFY(!byBytes.image(path, QSize(100, 100)).isNull());
        }
        QCOMPARE(byCount.cachedCount(), 3);
        QVERIFY(byBytes.cachedBytes() <= 3 * 100 * 100 * 4);
        QVERIFY(byBytes.cachedCount() >= 1);
        // The most recent picture is the one kept.
        const QString last = tmp_.filePath(QStringLiteral("p5.edi"));
        const qint64 key = byCount.image(last, QSize(100, 100)).cacheKey();
        QCOMPARE(byCount.image(last, QSize(100, 100)).cacheKey(), key);
        QCOMPARE(byCount.cachedCount(), 3);
    }

    // Catches a blurry picture on a high-density screen: decoded at box x ratio, drawn at box.
    void pixmapHonoursDevicePixelRatio() {
        PictureLoader loader;
        const QString path = write(QStringLiteral("dpr.edi"), encoded(pattern(800, 600, Qt::red), "JPG"));
        const QPixmap pm = loader.pixmap(path, QSize(240, 180), 2.0);
        QCOMPARE(pm.size(), QSize(480, 360));
        QCOMPARE(pm.devicePixelRatio(), 2.0);
    }
};

QTEST_MAIN(tst_PictureLoader)
#include "tst_PictureLoader.moc"
