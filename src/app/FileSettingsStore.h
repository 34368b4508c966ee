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
    QString readWholeString(const QString& keyPath, const QString& valueName, const QString& defaultText) override;
    bool removeKey(const QString& keyPath) override;

    // True when the key (or a key below it) exists in the file.
    bool hasKey(const QString& keyPath);
    QString filePath() const { return path_; }

    // $XDG_CONFIG_HOME/lexikite/settings.ini, or ~/.config/lexikite/settings.ini when that is unset.
    static QString defaultFilePath();

    // How long a write waits for another copy of the program to finish its own.
    static constexpr int LockWaitMs = 2000;
    // No settings file of ours comes near this; a bigger one is not ours and is moved aside.
    static constexpr qint64 MaxFileBytes = 4 * 1024 * 1024;

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
    enum class Aside { Move, Copy };
    // Keeps the file as settings.ini.broken-<time>, never overwriting an earlier one.
    bool keepAside(Aside how);
    bool save(const SettingsTree& tree);
    // Applies `change` to what is on disk now and saves it, under the lock; `what` names it in the log.
    bool update(const std::function<void(SettingsTree&)>& change, const QString& what);

    QString path_;
    SettingsTree tree_;
    DiskStamp stamp_;
    bool stampValid_ = false;
};
