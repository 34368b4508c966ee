// FileSettingsStore: the settings store kept in one per-user file, saved atomically and shared safely
// between running copies of the program.
#pragma once

#include "app/SettingsStore.h"
#include "app/SettingsTree.h"

#include <functional>

class FileSettingsStore final : public SettingsStore {
public:
    // filePath: usually defaultFilePath(); its folder is created on the first write.
    explicit FileSettingsStore(QString filePath);

    QString readString(const QString& keyPath, const QString& valueName, const QString& defaultText) override;
    bool writeString(const QString& keyPath, const QString& valueName, const QString& text) override;
    QString raiseNumber(const QString& keyPath, const QString& valueName, const QString& text) override;
    QString readWholeString(const QString& keyPath, const QString& valueName, const QString& defaultText) override;
    bool removeKey(const QString& keyPath) override;

    // True when the key (or a key below it) exists in the file.
    bool hasKey(const QString& keyPath);
    QString filePath() const { return path_; }

    // $XDG_CONFIG_HOME/lexikite/settings.ini, or ~/.config/lexikite/settings.ini when that is unset.
    static QString defaultFilePath();

    // How long a write waits for another copy of the program to finish its own.
    static constexpr int LockWaitMs = 2000;
    // No settings file of ours comes near this, and no save makes one bigger. A bigger file (an earlier
    // release could grow one past it) is kept aside and gives back every value short enough to read.
    static constexpr qint64 MaxFileBytes = 4 * 1024 * 1024;
    // Of a bigger file, no more than this is read.
    static constexpr qint64 ReadLimit = 2 * MaxFileBytes;

private:
    struct DiskStamp {
        bool exists = false;
        qint64 size = 0;
        qint64 modifiedNs = 0;
        quint64 inode = 0;
        bool operator==(const DiskStamp&) const = default;
    };
    static DiskStamp stampOf(const QString& path);

    // Brings tree_ up to date with the file. True when tree_ mirrors the file, so a save may replace it.
    bool syncFromDisk(bool holdingLock);
    // Keeps a copy of the file as settings.ini.broken-<time>, never overwriting an earlier one.
    bool keepAside();
    bool save(const QByteArray& bytes);
    // Applies `change` to what is on disk now and saves it, under the lock; `what` names it in the log.
    bool update(const std::function<void(SettingsTree&)>& change, const QString& what);

    QString path_;
    SettingsTree tree_;
    DiskStamp stamp_;
    bool stampValid_ = false;
};
