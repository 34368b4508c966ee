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
#include <ctime>
#include <functional>
#include <vector>

namespace {
constexpr int Runs = 15;
const QSize CardSize(240, 180);

struct Timing {
    double wall = 0; // ms
    double cpu = 0;  // ms of process CPU time, all threads
};

double cpuNowMs() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// Medians of wall time and of CPU time; the CPU figure stays meaningful when other work shares the machine.
Timing median(const std::function<void()>& work, const std::function<void()>& before = {}) {
    std::vector<double> walls;
    std::vector<double> cpus;
    for (int i = 0; i < Runs; ++i) {
        if (before) before();
        const double cpu0 = cpuNowMs();
        QElapsedTimer timer;
        timer.start();
        work();
        walls.push_back(timer.nsecsElapsed() / 1e6);
        cpus.push_back(cpuNowMs() - cpu0);
    }
    std::sort(walls.begin(), walls.end());
    std::sort(cpus.begin(), cpus.end());
    return {walls[walls.size() / 2], cpus[cpus.size() / 2]};
}

void report(const char* what, const Timing& t, const char* target = "") {
    std::printf("%-58s %9.3f ms wall %9.3f ms cpu  %s\n", what, t.wall, t.cpu, target);
}

QString loadAverage() {
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll().trimmed()) : QStringLiteral("unknown");
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
        if (Catalogue::matchesLanguage(name, QStringLiteral("BRITISH")) &&
            !Catalogue::wordFromFileName(name).isEmpty())
            ++kept;
    return kept;
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir tmp;
    if (!tmp.isValid()) return 1;

    std::printf("machine: %d cores, %s; Qt %s; load average %s\n", QThread::idealThreadCount(),
                qPrintable(cpuModel()), qVersion(), qPrintable(loadAverage()));
    std::printf("medians of %d runs\n", Runs);
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
    std::printf("%d of 10 000 pictures kept for British\n", listAndFilter(subject));
    report("list + filter, 10 000 pictures", median([&] { listAndFilter(subject); }), "(target <= 20 ms)");
    for (int i = 0; i < 10000; ++i)
        QFile(subject + QStringLiteral("/word %1.eda").arg(i)).open(QIODevice::WriteOnly);
    report("list + filter, 10 000 pictures + 10 000 sounds", median([&] { listAndFilter(subject); }));
    const QString miscased = tmp.path() + QStringLiteral("/SUBJECT");
    report("list + filter, the same asked as SUBJECT", median([&] { listAndFilter(miscased); }));

    // Four 12-megapixel JPEG pictures.
    QStringList pictures;
    qint64 totalBytes = 0;
    for (int i = 0; i < 4; ++i) {
        const QString path = tmp.filePath(QStringLiteral("photo%1.edi").arg(i));
        photo(i).save(path, "JPG", 90);
        totalBytes += QFileInfo(path).size();
        pictures << path;
    }
    std::printf("four 4000x3000 JPEG pictures, %.1f MB in all (file pages warm), shown at %dx%d\n",
                totalBytes / 1e6, CardSize.width(), CardSize.height());

    PictureLoader* loader = nullptr;
    const auto freshLoader = [&] {
        delete loader;
        loader = new PictureLoader;
    };
    report("decode 4 one by one, cold cache", median(
                                                  [&] {
                                                      for (const QString& path : pictures)
                                                          if (loader->image(path, CardSize).isNull())
                                                              std::printf("decode failed\n");
                                                  },
                                                  freshLoader));
    report("decode 4 as one batch, cold cache",
           median(
               [&] {
                   for (const QImage& image : loader->images(pictures, CardSize))
                       if (image.isNull()) std::printf("decode failed\n");
               },
               freshLoader),
           "(target <= 120 ms)");
    report("the same 4 from the cache, one by one", median([&] {
               for (const QString& path : pictures)
                   loader->image(path, CardSize);
           }),
           "(target <= 2 ms)");
    report("the same 4 from the cache, batch", median([&] { loader->images(pictures, CardSize); }));
    report("the same 4 from the cache as pixmaps", median([&] {
               for (const QString& path : pictures)
                   loader->pixmap(path, CardSize);
           }));
    std::printf("cache holds %d pictures, %.1f kB\n", loader->cachedCount(), loader->cachedBytes() / 1e3);
    report("for scale: decode 1 at full size",
           median([&] { PictureLoader::decode(pictures.first(), QSize()); }));
    delete loader;
    return 0;
}
