// MemorySettingsStore: an in-memory settings store for tests, with the same matching rules as the file store.
#pragma once

#include "app/SettingsStore.h"

#include <QHash>

class MemorySettingsStore final : public SettingsStore {
public:
    QString readString(const QString& keyPath, const QString& valueName, const QString& defaultText) override;
    bool writeString(const QString& keyPath, const QString& valueName, const QString& text) override;
    QString readWholeString(const QString& keyPath, const QString& valueName, const QString& defaultText) override;
    bool removeKey(const QString& keyPath) override;

    bool failWrites = false;
    int writeCount = 0;
    // The spelling of the last write, which the case-insensitive lookup hides.
    QString lastWrittenKeyPath;
    QString lastWrittenValueName;

private:
    static QString slot(const QString& keyPath, const QString& valueName);
    QHash<QString, QString> values_;
};

// Installs a fresh store for the lifetime of a test object and removes it afterwards.
class ScopedMemoryStore {
public:
    ScopedMemoryStore() { setSettingsStore(&store); }
    ~ScopedMemoryStore() { setSettingsStore(nullptr); }
    MemorySettingsStore store;
};
