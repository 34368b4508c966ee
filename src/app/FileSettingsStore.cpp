// FileSettingsStore: reads the file when it changed on disk, writes it under a lock file, never half-written.
#include "app/FileSettingsStore.h"

#include "app/AppLog.h"
#include "app/RegularFile.h"
#include "app/TextNumber.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include <sys/stat.h>

namespace {
// A read returns at most 254 characters: longer values count as unreadable.
constexpr qsizetype MaxReadLength = 254;

enum class FileState { Missing, Read, Damaged, Oversized, Unreadable };

// Damaged: some lines were left out (listed in `dropped`); Oversized: over the cap, so only the values a
// read can return were kept. `out` holds everything else.
FileState readTree(const QString& path, SettingsTree& out, QStringList* dropped) {
    RegularFile::Contents file = RegularFile::read(path, FileSettingsStore::ReadLimit);
    if (file.status == RegularFile::Contents::Missing) return FileState::Missing;
    if (file.status != RegularFile::Contents::Read) {
        qCWarning(lcApp) << "cannot read the settings file" << path << file.error;
        return FileState::Unreadable;
    }
    if (file.cut()) file.bytes.truncate(file.bytes.lastIndexOf('\n') + 1); // never half a line
    out = SettingsTree::fromText(file.bytes, dropped);
    if (file.size <= FileSettingsStore::MaxFileBytes)
        return dropped->isEmpty() ? FileState::Read : FileState::Damaged;
    const qsizetype tooLong = out.dropValuesLongerThan(MaxReadLength);
    dropped->prepend(QStringLiteral("%1 bytes, over the size a settings file may have: %2 value(s) too long "
                                    "to read left out")
                         .arg(file.size)
                         .arg(tooLong));
    return FileState::Oversized;
}

bool fitsTheCap(const QByteArray& bytes) {
    return bytes.size() <= FileSettingsStore::MaxFileBytes;
}
} // namespace

FileSettingsStore::FileSettingsStore(QString filePath) : path_(std::move(filePath)) {}

QString FileSettingsStore::defaultFilePath() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    // A relative XDG_CONFIG_HOME is invalid and must be ignored.
    if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/lexikite/settings.ini");
}

FileSettingsStore::DiskStamp FileSettingsStore::stampOf(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return {};
    return DiskStamp{true, static_cast<qint64>(st.st_size),
                     static_cast<qint64>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec,
                     static_cast<quint64>(st.st_ino)};
}

bool FileSettingsStore::syncFromDisk(bool holdingLock) {
    const DiskStamp now = stampOf(path_);
    if (stampValid_ && now == stamp_) return true;

    SettingsTree fresh;
    QStringList dropped;
    const FileState state = readTree(path_, fresh, &dropped);
    switch (state) {
    case FileState::Missing:
    case FileState::Read:
        tree_ = std::move(fresh);
        stamp_ = now;
        stampValid_ = true;
        return true;
    case FileState::Unreadable:
        // Defaults for reading, without trying again on every read; never overwrite a file whose values
        // we could not see (a write looks again).
        tree_ = {};
        stamp_ = now;
        stampValid_ = true;
        return false;
    case FileState::Damaged:
    case FileState::Oversized:
        break;
    }

    // Whatever could be read is served even before the file is mended.
    tree_ = std::move(fresh);
    stampValid_ = false;
    if (!holdingLock) {
        // Another copy may be mending or replacing the file right now: look again under the lock.
        QLockFile lock(path_ + QStringLiteral(".lock"));
        if (!lock.tryLock(LockWaitMs)) return false;
        return syncFromDisk(true);
    }
    qCWarning(lcApp).noquote() << "settings file" << path_ << "has" << dropped.size()
                               << (state == FileState::Oversized ? "problem(s):"
                                                                 : "damaged line(s), left out:")
                               << dropped.mid(0, 5).join(QStringLiteral("; "))
                               << (dropped.size() > 5 ? QStringLiteral("...") : QString());
    // The original stays beside the mended file, so nothing is lost for good.
    const QByteArray mended = tree_.toText();
    if (!fitsTheCap(mended) || !keepAside() || !save(mended)) {
        // Reads keep the readable values without trying again each time; a write tries again.
        stamp_ = now;
        stampValid_ = true;
        return false;
    }
    stamp_ = stampOf(path_);
    stampValid_ = true;
    return true;
}

bool FileSettingsStore::keepAside() {
    const QString stem = path_ + QStringLiteral(".broken-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 1; n <= 100; ++n) {
        const QString aside = n == 1 ? stem : stem + QStringLiteral("-%1").arg(n);
        // copy() refuses an existing target, so an earlier broken file is never overwritten.
        if (QFile::exists(aside)) continue;
        if (QFile::copy(path_, aside)) {
            qCWarning(lcApp) << "kept a copy of the settings file as" << aside;
            return true;
        }
        if (!QFile::exists(path_)) return true; // gone meanwhile: nothing left to keep
    }
    qCWarning(lcApp) << "could not keep a copy of the settings file" << path_ << "; leaving it alone";
    return false;
}

bool FileSettingsStore::save(const QByteArray& bytes) {
    // The next start would refuse a bigger file.
    if (!fitsTheCap(bytes)) {
        qCWarning(lcApp) << "the settings would grow past" << MaxFileBytes << "bytes; not saved";
        return false;
    }
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        qCWarning(lcApp) << "cannot save the settings file" << path_ << file.errorString();
        return false;
    }
    return true;
}

QString FileSettingsStore::readString(const QString& keyPath, const QString& valueName,
                                      const QString& defaultText) {
    const QString text = readWholeString(keyPath, valueName, defaultText);
    return text.size() > MaxReadLength ? defaultText : text;
}

QString FileSettingsStore::readWholeString(const QString& keyPath, const QString& valueName,
                                           const QString& defaultText) {
    syncFromDisk(false);
    const QString* text = tree_.find(keyPath, valueName);
    return text ? *text : defaultText;
}

bool FileSettingsStore::hasKey(const QString& keyPath) {
    syncFromDisk(false);
    return tree_.hasKey(keyPath);
}

bool FileSettingsStore::writeString(const QString& keyPath, const QString& valueName, const QString& text) {
    return update([&](SettingsTree& tree) { tree.set(keyPath, valueName, text); }, valueName);
}

bool FileSettingsStore::removeKey(const QString& keyPath) {
    return update([&](SettingsTree& tree) { tree.removeKey(keyPath); }, keyPath);
}

QString FileSettingsStore::raiseNumber(const QString& keyPath, const QString& valueName,
                                       const QString& text) {
    QString kept = text;
    const auto higher = [&](const SettingsTree& tree) {
        const QString* stored = tree.find(keyPath, valueName);
        const bool readable = stored && stored->size() <= MaxReadLength;
        kept = higherNumber(readable ? *stored : QStringLiteral("0"), text);
    };
    const bool saved = update(
        [&](SettingsTree& tree) {
            higher(tree);
            tree.set(keyPath, valueName, kept);
        },
        valueName);
    // Not saved: still the higher of the award and what this copy last saw.
    if (!saved) higher(tree_);
    return kept;
}

bool FileSettingsStore::update(const std::function<void(SettingsTree&)>& change, const QString& what) {
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder)) {
        qCWarning(lcApp) << "cannot create the settings folder" << folder;
        return false;
    }
    QLockFile lock(path_ + QStringLiteral(".lock"));
    if (!lock.tryLock(LockWaitMs)) {
        qCWarning(lcApp) << "settings file is locked or its folder is not writable; not saved:" << what
                         << "error" << lock.error();
        return false;
    }
    // Another copy of the program may have saved since we last looked: start from what is on disk now.
    stampValid_ = false;
    if (!syncFromDisk(true)) {
        qCWarning(lcApp) << "not replacing a settings file that could not be read; not saved:" << what;
        return false;
    }

    SettingsTree next = tree_;
    change(next);
    QByteArray bytes = next.toText();
    if (!fitsTheCap(bytes)) {
        // Values too long for any read to return make room, once the whole file is kept aside.
        SettingsTree trimmed = next;
        if (trimmed.dropValuesLongerThan(MaxReadLength) > 0 && fitsTheCap(trimmed.toText()) && keepAside()) {
            qCWarning(lcApp) << "settings file near its size limit: left out the values too long to read";
            next = std::move(trimmed);
            bytes = next.toText();
        }
    }
    if (!save(bytes)) return false;
    tree_ = std::move(next);
    stamp_ = stampOf(path_);
    stampValid_ = true;
    return true;
}
