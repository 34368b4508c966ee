// bench_catalogue: timings of listing a large subject folder and of decoding big pictures at card size.
#include "catalogue/Catalogue.h"
#include "catalogue/PictureLoader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
constexpr int Runs = 15;
const QSize CardSize(240, 180);

double medianMs(const std::function<void()>& work, const std::function<void()>& before = {}) {
    std::vector<double> times;
    for (int i = 0; i < Runs; ++i) {
        if (before) before();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

QString cpuModel() {
    QFile f(QStringLiteral("/proc/cpuinfo"));
    if (!f.open(QIODevice::ReadOnly)) return QStringLiteral("unknown");
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("model name"))
            return QString::fromUtf8(line.mid(line.indexOf(':') + 1).trimmed());
    return QStringLiteral("unknown");
}

// A photo-like 12-megapixel picture (gradients and noise, so it compresses like a real photo).
QImage photo(int seed) {
    QImage img(4000, 3000, QImage::Format_RGB32);
    QRandomGenerator rng(seed);
    for (int y = 0; y < img.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int n = int(rng.bounded(24));
            row[x] = qRgb((x / 16 + n + seed * 40) & 255, (y / 12 + n) & 255, ((x + y) / 28 + n) & 255);
        }
    }
    QPainter p(&img);
    p.setBrush(Qt::yellow);
    p.drawEllipse(QPoint(2000, 1500), 900 + seed * 100, 700);
    return img;
}

int listAndFilter(const QString& folder) {
    int kept = 0;
    for (const QString& name : Catalogue::listPictures(folder))
        if (Catalogue::IsLanguageMatch(name, QStringLiteral("BRITISH")) &&
            !Catalogue::WordFromFileName(name).isEmpty())
            ++kept;
    return kept;
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir tmp;
    if (!tmp.isValid()) return 1;

    std::printf("machine: %d cores, %s; Qt %s; %d runs each, medians\n", QThread::idealThreadCount(),
                qPrintable(cpuModel()), qVersion(), Runs);
#ifndef NDEBUG
    std::printf("warning: not a release build; figures are pessimistic\n");
#endif

    // A subject folder of 10 000 pictures (some tagged, some prefixed, mixed extension case), then the same
    // folder with a sound beside every picture.
    const QString subject = tmp.filePath(QStringLiteral("subject"));
    QDir().mkpath(subject);
    const char* tags[] = {"", " type_uk", " type_us", ""};
    for (int i = 0; i < 10000; ++i) {
        const QString name =
            QStringLiteral("%1 word %2%3.%4")
                .arg(i % 100, 2, 10, QLatin1Char('0'))
                .arg(i)
                .arg(QLatin1String(tags[i % 4]), i % 10 == 0 ? QStringLiteral("EDI") : QStringLiteral("edi"));
        QFile(subject + QLatin1Char('/') + name).open(QIODevice::WriteOnly);
    }
    const int kept = listAndFilter(subject);
    std::printf("list + filter, 10 000 pictures (%d kept for British):  %8.2f ms   (target <= 20 ms)\n", kept,
                medianMs([&] { listAndFilter(subject); }));
    for (int i = 0; i < 10000; ++i)
        QFile(subject + QStringLiteral("/word %1.eda").arg(i)).open(QIODevice::WriteOnly);
    std::printf("list + filter, 10 000 pictures + 10 000 sounds:         %8.2f ms\n",
                medianMs([&] { listAndFilter(subject); }));
    std::printf("list + filter, same folder asked in another case:      %8.2f ms\n", medianMs([&] {
                    listAndFilter(subject.toUpper().replace(tmp.path().toUpper(), tmp.path()));
                }));

    // Four 12-megapixel JPEG pictures.
    QStringList pictures;
    qint64 totalBytes = 0;
    for (int i = 0; i < 4; ++i) {
        const QString path = tmp.filePath(QStringLiteral("photo%1.edi").arg(i));
        photo(i).save(path, "JPG", 90);
        totalBytes += QFileInfo(path).size();
        pictures << path;
    }
    std::printf("four 4000x3000 JPEG pictures, %.1f MB in all (file pages warm)\n", totalBytes / 1e6);

    PictureLoader* loader = nullptr;
    const auto freshLoader = [&] {
        delete loader;
        loader = new PictureLoader;
    };
    const double coldOneByOne = medianMs(
        [&] {
            for (const QString& path : pictures)
                if (loader->image(path, CardSize).isNull())
                    std::printf("decode failed: %s\n", qPrintable(path));
        },
        freshLoader);
    std::printf("decode 4 at %dx%d one by one, cold cache:           %8.2f ms\n", CardSize.width(),
                CardSize.height(), coldOneByOne);
    const double cold = medianMs(
        [&] {
            for (const QImage& image : loader->images(pictures, CardSize))
                if (image.isNull()) std::printf("decode failed\n");
        },
        freshLoader);
    std::printf("decode 4 at %dx%d as one batch, cold cache:         %8.2f ms   (target <= 120 ms)\n",
                CardSize.width(), CardSize.height(), cold);
    const double cached = medianMs([&] {
        for (const QString& path : pictures)
            loader->image(path, CardSize);
    });
    const double cachedBatch = medianMs([&] { loader->images(pictures, CardSize); });
    std::printf("the same 4 from the cache, one by one / batch:        %6.3f / %6.3f ms   (target <= 2 ms)\n",
                cached, cachedBatch);
    const double pixmaps = medianMs([&] {
        for (const QString& path : pictures)
            loader->pixmap(path, CardSize);
    });
    std::printf("the same 4 from the cache as pixmaps:                  %8.3f ms\n", pixmaps);
    std::printf("cache holds %d pictures, %.1f kB\n", loader->cachedCount(), loader->cachedBytes() / 1e3);
    const double full = medianMs([&] { PictureLoader::decode(pictures.first(), QSize()); });
    std::printf("for scale: decode 1 at full size:                      %8.2f ms\n", full);
    delete loader;
    return 0;
}
