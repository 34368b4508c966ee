// MemorySettingsStore: values kept in a hash keyed without regard to case.
#include "MemorySettingsStore.h"

QString MemorySettingsStore::slot(const QString& keyPath, const QString& valueName) {
    return keyPath.toCaseFolded() + QChar(0x1f) + valueName.toCaseFolded();
}

QString MemorySettingsStore::readString(const QString& keyPath, const QString& valueName,
                                        const QString& defaultText) {
    const QString text = readWholeString(keyPath, valueName, defaultText);
    return text.size() > 254 ? defaultText : text;
}

bool MemorySettingsStore::writeString(const QString& keyPath, const QString& valueName, const QString& text) {
    ++writeCount;
    lastWrittenKeyPath = keyPath;
    lastWrittenValueName = valueName;
    if (failWrites) return false;
    values_.insert(slot(keyPath, valueName), text);
    return true;
}

QString MemorySettingsStore::readWholeString(const QString& keyPath, const QString& valueName,
                                             const QString& defaultText) {
    return values_.value(slot(keyPath, valueName), defaultText);
}

bool MemorySettingsStore::removeKey(const QString& keyPath) {
    if (failWrites) return false;
    const QString path = keyPath.toCaseFolded();
    values_.removeIf([&](const auto& it) {
        const QString& key = it.key();
        return key.startsWith(path + QChar(0x1f)) || key.startsWith(path + u'\\');
    });
    return true;
}
