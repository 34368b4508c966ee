// MemorySettingsStore: values kept in a hash keyed without regard to case.
#include "MemorySettingsStore.h"

QString MemorySettingsStore::slot(const QString& keyPath, const QString& valueName) {
    return keyPath.toCaseFolded() + QChar(0x1f) + valueName.toCaseFolded();
}

QString MemorySettingsStore::readString(const QString& keyPath, const QString& valueName,
                                        const QString& defaultText) {
    auto it = values_.constFind(slot(keyPath, valueName));
    if (it == values_.constEnd() || it->size() > 254) return defaultText;
    return *it;
}

bool MemorySettingsStore::writeString(const QString& keyPath, const QString& valueName, const QString& text) {
    ++writeCount;
    lastWrittenKeyPath = keyPath;
    lastWrittenValueName = valueName;
    if (failWrites) return false;
    values_.insert(slot(keyPath, valueName), text);
    return true;
}
