// FileSettingsStore: reads the file when it changed on disk, writes it under a lock file, never half-written.
#include "app/FileSettingsStore.h"

#include "app/AppLog.h"

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

enum class FileState { Missing, Read, Unreadable, Broken };

FileState readTree(const QString& path, SettingsTree& out, QString* why) {
    QFile file(path);
    if (!file.exists()) return FileState::Missing;
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcApp) << "cannot read the settings file" << path << file.errorString();
        return FileState::Unreadable;
    }
    if (file.size() > FileSettingsStore::MaxFileBytes) {
        *why = QStringLiteral("far too big to be ours: %1 bytes").arg(file.size());
        return FileState::Broken;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        qCWarning(lcApp) << "cannot read the settings file" << path << file.errorString();
        return FileState::Unreadable;
    }
    auto tree = SettingsTree::fromText(bytes, why);
    if (!tree) return FileState::Broken;
    out = std::move(*tree);
    return FileState::Read;
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
    QString why;
    switch (readTree(path_, fresh, &why)) {
    case FileState::Missing:
    case FileState::Read:
        tree_ = std::move(fresh);
        stamp_ = now;
        stampValid_ = true;
        return true;
    case FileState::Unreadable:
        // Defaults for reading; never overwrite a file whose values we could not see.
        tree_ = {};
        stampValid_ = false;
        return false;
    case FileState::Broken:
        break;
    }

    tree_ = {};
    stampValid_ = false;
    if (!holdingLock) {
        // Another copy may be replacing the file right now: look again under the lock before moving it.
        QLockFile lock(path_ + QStringLiteral(".lock"));
        if (!lock.tryLock(LockWaitMs)) return false;
        return syncFromDisk(true);
    }
    qCWarning(lcApp) << "settings file" << path_ << "cannot be understood," << why;
    if (!moveAsideBrokenFile()) return false;
    stamp_ = stampOf(path_);
    stampValid_ = true;
    return true;
}

bool FileSettingsStore::moveAsideBrokenFile() {
    const QString stem = path_ + QStringLiteral(".broken-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 1; n <= 100; ++n) {
        const QString aside = n == 1 ? stem : stem + QStringLiteral("-%1").arg(n);
        // rename() refuses an existing target, so an earlier broken file is never overwritten.
        if (QFile::exists(aside)) continue;
        if (QFile::rename(path_, aside)) {
            qCWarning(lcApp) << "moved the unreadable settings file aside to" << aside;
            return true;
        }
        if (!QFile::exists(path_)) return true; // another copy moved it first
    }
    qCWarning(lcApp) << "could not move the unreadable settings file" << path_ << "aside; leaving it alone";
    return false;
}

QString FileSettingsStore::readString(const QString& keyPath, const QString& valueName,
                                      const QString& defaultText) {
    syncFromDisk(false);
    const QString* text = tree_.find(keyPath, valueName);
    if (!text || text->size() > MaxReadLength) return defaultText;
    return *text;
}

bool FileSettingsStore::hasKey(const QString& keyPath) {
    syncFromDisk(false);
    return tree_.hasKey(keyPath);
}

bool FileSettingsStore::writeString(const QString& keyPath, const QString& valueName, const QString& text) {
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder)) {
        qCWarning(lcApp) << "cannot create the settings folder" << folder;
        return false;
    }
    QLockFile lock(path_ + QStringLiteral(".lock"));
    if (!lock.tryLock(LockWaitMs)) {
        qCWarning(lcApp) << "settings file is locked or its folder is not writable; not saved:" << valueName
                         << "error" << lock.error();
        return false;
    }
    // Another copy of the program may have saved since we last looked: start from what is on disk now.
    stampValid_ = false;
    if (!syncFromDisk(true)) {
        qCWarning(lcApp) << "not replacing a settings file that could not be read; not saved:" << valueName;
        return false;
    }

    SettingsTree next = tree_;
    next.set(keyPath, valueName, text);
    QSaveFile file(path_);
    const QByteArray bytes = next.toText();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        qCWarning(lcApp) << "cannot save the settings file" << path_ << file.errorString();
        return false;
    }
    tree_ = std::move(next);
    stamp_ = stampOf(path_);
    stampValid_ = true;
    return true;
}
