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

enum class FileState { Missing, Read, Damaged, Unreadable, Broken };

// Damaged: some lines were left out (listed in `dropped`); `out` holds everything else.
FileState readTree(const QString& path, SettingsTree& out, QStringList* dropped) {
    QFile file(path);
    if (!file.exists()) return FileState::Missing;
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcApp) << "cannot read the settings file" << path << file.errorString();
        return FileState::Unreadable;
    }
    if (file.size() > FileSettingsStore::MaxFileBytes) {
        *dropped << QStringLiteral("far too big to be ours: %1 bytes").arg(file.size());
        return FileState::Broken;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        qCWarning(lcApp) << "cannot read the settings file" << path << file.errorString();
        return FileState::Unreadable;
    }
    out = SettingsTree::fromText(bytes, dropped);
    return dropped->isEmpty() ? FileState::Read : FileState::Damaged;
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
        // Defaults for reading; never overwrite a file whose values we could not see.
        tree_ = {};
        stampValid_ = false;
        return false;
    case FileState::Damaged:
    case FileState::Broken:
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
    if (state == FileState::Broken) {
        qCWarning(lcApp) << "settings file" << path_ << "cannot be understood,"
                         << dropped.join(QLatin1Char(' '));
        if (!keepAside(Aside::Move)) return false;
    } else {
        qCWarning(lcApp).noquote() << "settings file" << path_ << "has" << dropped.size()
                                   << "damaged line(s), left out:"
                                   << dropped.mid(0, 5).join(QStringLiteral("; "))
                                   << (dropped.size() > 5 ? QStringLiteral("...") : QString());
        // The original stays beside the mended file, so nothing is lost for good.
        if (!keepAside(Aside::Copy) || !save(tree_)) {
            // Reads keep the readable values without trying again each time; a write tries again.
            stamp_ = now;
            stampValid_ = true;
            return false;
        }
    }
    stamp_ = stampOf(path_);
    stampValid_ = true;
    return true;
}

bool FileSettingsStore::keepAside(Aside how) {
    const QString stem = path_ + QStringLiteral(".broken-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 1; n <= 100; ++n) {
        const QString aside = n == 1 ? stem : stem + QStringLiteral("-%1").arg(n);
        // rename() and copy() refuse an existing target, so an earlier broken file is never overwritten.
        if (QFile::exists(aside)) continue;
        if (how == Aside::Move ? QFile::rename(path_, aside) : QFile::copy(path_, aside)) {
            qCWarning(lcApp) << "kept the damaged settings file aside as" << aside;
            return true;
        }
        if (!QFile::exists(path_)) return true; // another copy moved it first
    }
    qCWarning(lcApp) << "could not keep the damaged settings file" << path_ << "aside; leaving it alone";
    return false;
}

bool FileSettingsStore::save(const SettingsTree& tree) {
    QSaveFile file(path_);
    const QByteArray bytes = tree.toText();
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
    if (!save(next)) return false;
    tree_ = std::move(next);
    stamp_ = stampOf(path_);
    stampValid_ = true;
    return true;
}
