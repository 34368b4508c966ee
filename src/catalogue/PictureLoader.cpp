// PictureLoader: bounded, size-aware decoding of ".edi" pictures and the cache of decoded pictures.
#include "catalogue/PictureLoader.h"

#include "app/PathIgnoringCase.h"
#include "catalogue/CatalogueLog.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMutexLocker>
#include <QSemaphore>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <mutex>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {
void ensureAllocationLimit() {
    static std::once_flag once;
    std::call_once(once, [] { QImageReader::setAllocationLimit(PictureLoader::AllocationLimitMb); });
}

// Whether a JPEG's main image reaches its end-of-image marker. The JPEG reader fills a cut-off file with grey
// and reports success, so a truncated download would show half a picture. Files whose markers cannot be
// followed are left to the reader.
bool jpegLooksComplete(const QByteArray& bytes) {
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype size = bytes.size();
    qsizetype pos = 2; // after the start-of-image marker
    qsizetype scanStart = -1;
    while (pos + 4 <= size) {
        if (data[pos] != 0xFF) return true;
        const uchar marker = data[pos + 1];
        if (marker == 0xFF) {
            ++pos;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) {
            pos += 2;
            continue;
        }
        if (marker == 0xD9) return true;
        const qsizetype length = (qsizetype(data[pos + 2]) << 8) | data[pos + 3];
        if (marker == 0xDA) {
            scanStart = pos + 2 + length;
            break;
        }
        pos += 2 + length;
    }
    if (scanStart < 0) return false; // cut off before its first scan
    // Entropy-coded data never holds FF D9 (an FF there is followed by 00), so any FF D9 after the first
    // scan ends the image; searching from the end finds it at once in a whole file.
    for (qsizetype i = size - 2; i >= scanStart; --i)
        if (data[i] == 0xFF && data[i + 1] == 0xD9) return true;
    return false;
}
} // namespace

PictureLoader::PictureLoader(qsizetype maxBytes, int maxCount) : maxBytes_(maxBytes), maxCount_(maxCount) {}

PictureLoader& PictureLoader::shared() {
    static PictureLoader loader;
    return loader;
}

QImage PictureLoader::decode(const QString& givenPath, const QSize& box) {
    ensureAllocationLimit();
    const QString path = resolvePathIgnoringCase(givenPath);
    // Regular files only: a pipe named like a picture would block the reader for ever.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MaxFileBytes) {
        qCWarning(lcCatalogue) << "no picture file:" << path << (info.exists() ? info.size() : -1) << "bytes";
        return {};
    }
    // Read whole: the JPEG reader then decodes from memory on its fast path, and a file changed meanwhile
    // cannot pull pages from under it.
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) bytes = file.readAll();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    // ".edi" names no format: the content decides.
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    if (!reader.canRead()) {
        qCWarning(lcCatalogue) << "not a picture:" << path << reader.errorString();
        return {};
    }
    if (reader.format() == "jpeg" && !jpegLooksComplete(bytes)) {
        qCWarning(lcCatalogue) << "picture cut short:" << path;
        return {};
    }

    const QSize stored = reader.size();
    if (stored.isValid() && qint64(stored.width()) * stored.height() > MaxPixels) {
        qCWarning(lcCatalogue) << "picture too large:" << path << stored;
        return {};
    }
    if (stored.isValid() && box.isValid() && !box.isEmpty()) {
        // The box applies to the picture as shown; the reader scales before it turns a rotated photo upright.
        const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
        QSize shown = turned ? stored.transposed() : stored;
        shown = shown.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
        reader.setScaledSize(turned ? shown.transposed() : shown);
    }

    QImage image = reader.read();
    if (image.isNull()) qCWarning(lcCatalogue) << "picture not decoded:" << path << reader.errorString();
    return image;
}

PictureLoader::FileStamp PictureLoader::stampOf(const QString& path) {
    FileStamp stamp;
#ifdef Q_OS_UNIX
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0) {
        stamp.size = st.st_size;
        stamp.modifiedNs = qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
        stamp.inode = st.st_ino;
    }
#else
    const QFileInfo info(path);
    if (info.exists()) {
        stamp.size = info.size();
        stamp.modifiedNs = info.lastModified().toMSecsSinceEpoch() * 1'000'000;
    }
#endif
    return stamp;
}

bool PictureLoader::lookup(const QString& path, const QSize& box, const FileStamp& stamp, QImage& image) {
    QMutexLocker lock(&mutex_);
    for (qsizetype i = 0; i < entries_.size(); ++i) {
        const Entry& e = entries_.at(i);
        if (e.box != box || e.path != path) continue;
        if (e.stamp == stamp) {
            entries_.move(i, 0);
            image = entries_.first().image;
            return true;
        }
        // Changed on disk since: drop it, the caller decodes afresh.
        bytes_ -= e.image.sizeInBytes();
        entries_.removeAt(i);
        return false;
    }
    return false;
}

QImage PictureLoader::image(const QString& givenPath, const QSize& box) {
    const QString path = resolvePathIgnoringCase(givenPath);
    const FileStamp stamp = stampOf(path);
    QImage cached;
    if (lookup(path, box, stamp, cached)) return cached;
    QImage decoded = decode(path, box);
    remember(path, stamp, !decoded.isNull());
    // A picture that failed is remembered too, so a broken file is not re-read (and re-logged) at every deal.
    insert(Entry{path, box, stamp, decoded});
    return decoded;
}

void PictureLoader::remember(const QString& path, const FileStamp& stamp, bool decodes) {
    QMutexLocker lock(&mutex_);
    verdicts_.insert(path, Verdict{stamp, decodes});
}

bool PictureLoader::knownBroken(const QString& path) {
    QMutexLocker lock(&mutex_);
    const auto it = verdicts_.constFind(path);
    if (it == verdicts_.constEnd() || it->decodes) return false;
    // Only the few broken files cost a stat: one mended on disk is tried again.
    if (it->stamp == stampOf(path)) return true;
    verdicts_.erase(it);
    return false;
}

bool PictureLoader::decodes(const QString& path) {
    const FileStamp stamp = stampOf(path);
    {
        QMutexLocker lock(&mutex_);
        const auto it = verdicts_.constFind(path);
        if (it != verdicts_.constEnd() && it->stamp == stamp) return it->decodes;
    }
    // Small: a JPEG or a drawing decodes at a fraction of its cost, and a damaged file fails all the same.
    const bool ok = !decode(path, QSize(32, 32)).isNull();
    remember(path, stamp, ok);
    return ok;
}

QList<QImage> PictureLoader::images(const QStringList& paths, const QSize& box) {
    QList<QImage> result(paths.size());
    // A plain vector: workers write distinct elements, which a copy-on-write list would not promise.
    std::vector<Entry> missing;
    std::vector<qsizetype> missingAt;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        Entry entry{resolvePathIgnoringCase(paths.at(i)), box, {}, {}};
        entry.stamp = stampOf(entry.path);
        if (lookup(entry.path, box, entry.stamp, result[i])) continue;
        missing.push_back(std::move(entry));
        missingAt.push_back(i);
    }
    if (missing.empty()) return result;

    // Huffman decoding is serial per file, so whole files go to the cores. The caller takes work too, and
    // helpers are only started when a pool thread is free, so this never waits on a busy pool.
    std::atomic<size_t> next{0};
    auto work = [&] {
        for (size_t i = next++; i < missing.size(); i = next++)
            missing[i].image = decode(missing[i].path, box);
    };
    QThreadPool* pool = QThreadPool::globalInstance();
    QSemaphore finished;
    int helpers = 0;
    const int wanted = int(std::min<size_t>(missing.size(), size_t(QThread::idealThreadCount()))) - 1;
    for (int h = 0; h < wanted; ++h) {
        if (!pool->tryStart([&] {
                work();
                finished.release();
            }))
            break;
        ++helpers;
    }
    work();
    finished.acquire(helpers);

    for (size_t k = 0; k < missing.size(); ++k) {
        result[missingAt[k]] = missing[k].image;
        remember(missing[k].path, missing[k].stamp, !missing[k].image.isNull());
        insert(std::move(missing[k]));
    }
    return result;
}

void PictureLoader::insert(Entry entry) {
    QMutexLocker lock(&mutex_);
    const qsizetype cost = entry.image.sizeInBytes();
    if (cost > maxBytes_ || maxCount_ <= 0) return;
    // Another thread may have decoded the same picture meanwhile.
    for (qsizetype i = 0; i < entries_.size(); ++i) {
        if (entries_.at(i).path == entry.path && entries_.at(i).box == entry.box) {
            bytes_ -= entries_.at(i).image.sizeInBytes();
            entries_.removeAt(i);
            break;
        }
    }
    while (!entries_.isEmpty() && (entries_.size() >= maxCount_ || bytes_ + cost > maxBytes_)) {
        bytes_ -= entries_.last().image.sizeInBytes();
        entries_.removeLast();
    }
    bytes_ += cost;
    entries_.prepend(std::move(entry));
}

QPixmap PictureLoader::pixmap(const QString& path, const QSize& box, qreal devicePixelRatio) {
    const qreal dpr = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const QSize deviceBox = box.isValid() ? (QSizeF(box) * dpr).toSize() : box;
    QPixmap result = QPixmap::fromImage(image(path, deviceBox));
    if (!result.isNull()) result.setDevicePixelRatio(dpr);
    return result;
}

void PictureLoader::clear() {
    QMutexLocker lock(&mutex_);
    entries_.clear();
    verdicts_.clear();
    bytes_ = 0;
}

int PictureLoader::cachedCount() const {
    QMutexLocker lock(&mutex_);
    return int(entries_.size());
}

qsizetype PictureLoader::cachedBytes() const {
    QMutexLocker lock(&mutex_);
    return bytes_;
}
