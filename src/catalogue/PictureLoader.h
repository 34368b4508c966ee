// PictureLoader: decodes word pictures at the size they are shown and keeps a small cache of them.
#pragma once

#include <QHash>
#include <QImage>
#include <QList>
#include <QMutex>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

class PictureLoader {
public:
    // A picture claiming more pixels than this is refused from its header alone (a 30000 x 30000 file would
    // need gigabytes); it covers every camera a child's word pictures come from.
    static constexpr qint64 MaxPixels = 50'000'000;
    // Picture files are read whole; nothing a child's card needs comes near this.
    static constexpr qint64 MaxFileBytes = 100 * 1024 * 1024;
    // The biggest single buffer the image readers may allocate, in megabytes (50 MP at 4 bytes, with room).
    static constexpr int AllocationLimitMb = 256;
    static constexpr qsizetype DefaultCacheBytes = 32 * 1024 * 1024;
    static constexpr int DefaultCacheCount = 128;

    explicit PictureLoader(qsizetype maxBytes = DefaultCacheBytes, int maxCount = DefaultCacheCount);

    // Decodes the file to fit inside box with its aspect kept (an empty box gives its own size), the format
    // recognised by content. Null when the file is missing, empty, no picture, broken or too large; the
    // reason is logged. No cache; safe on any thread.
    static QImage decode(const QString& path, const QSize& box);

    // decode() through the cache: the same file (unchanged on disk) at the same box gives the same image.
    // Safe on any thread.
    QImage image(const QString& path, const QSize& box);
    // image() for several pictures at once (a deal of cards), the ones not cached decoded side by side on
    // the machine's cores. Same order as paths.
    QList<QImage> images(const QStringList& paths, const QSize& box);
    // Whether the file is known not to decode: a decode of it failed and the file has not changed since.
    // Reads no file, so it can be asked of every name in a folder.
    bool knownBroken(const QString& path);
    // Whether the file decodes: the verdict of an earlier decode of the unchanged file, else a small decode
    // now. Safe on any thread.
    bool decodes(const QString& path);
    // image() as a pixmap for a widget, decoded at box x dpr for sharp pictures on high-density screens.
    // GUI thread only.
    QPixmap pixmap(const QString& path, const QSize& box, qreal devicePixelRatio = 1.0);

    void clear();
    int cachedCount() const;
    qsizetype cachedBytes() const;

    // The program's loader, shared by every window.
    static PictureLoader& shared();

private:
    struct FileStamp {
        qint64 size = -1;
        qint64 modifiedNs = 0;
        quint64 inode = 0;
        bool operator==(const FileStamp&) const = default;
    };
    struct Entry {
        QString path;
        QSize box;
        FileStamp stamp;
        QImage image;
    };

    struct Verdict {
        FileStamp stamp;
        bool decodes = false;
    };

    static FileStamp stampOf(const QString& path);
    void remember(const QString& path, const FileStamp& stamp, bool decodes);
    // The cached picture for path (resolved) at box if it is still what is on disk.
    bool lookup(const QString& path, const QSize& box, const FileStamp& stamp, QImage& image);
    void insert(Entry entry);

    mutable QMutex mutex_;
    QList<Entry> entries_; // most recently used first
    QHash<QString, Verdict> verdicts_; // by path: whether it decoded when last read
    qsizetype bytes_ = 0;
    qsizetype maxBytes_;
    int maxCount_;
};
