// SettingsStore: the per-user store of named text values under key paths, and the two operations on it.
#pragma once

#include <QString>

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Never fails: a missing, unreadable or over-long (255+ characters) value yields the default.
    virtual QString readString(const QString& keyPath, const QString& valueName, const QString& defaultText) = 0;
    // Creates the key path when missing; false (old value kept) when the write did not reach the disk.
    virtual bool writeString(const QString& keyPath, const QString& valueName, const QString& text) = 0;
    // Stores the higher (by leading number) of `text` and what is stored now, a missing value counting
    // as "0", and returns it; a store shared by running copies compares under its lock, so a copy that
    // loaded earlier never lowers what another stored since. The result stands even when the write fails.
    virtual QString raiseNumber(const QString& keyPath, const QString& valueName, const QString& text);
    // As readString, however long the value: for a list the program keeps itself and must never lose.
    virtual QString readWholeString(const QString& keyPath, const QString& valueName, const QString& defaultText) {
        return readString(keyPath, valueName, defaultText);
    }
    // Removes the key path with its values and every key below it; false when it could not.
    virtual bool removeKey(const QString&) { return false; }
};

// The store the program uses; tests install their own. Never null once main has started.
SettingsStore& settingsStore();
void setSettingsStore(SettingsStore* store);

QString readSetting(const QString& keyPath, const QString& valueName, const QString& defaultText);
bool writeSetting(const QString& keyPath, const QString& valueName, const QString& text);
QString readWholeSetting(const QString& keyPath, const QString& valueName, const QString& defaultText);
bool removeSettingsKey(const QString& keyPath);

// The two key paths the program uses, built on the record's registryBase.
QString detailsKey();                      // registryBase + "Settings\Details"
QString windowKey(const QString& windowName); // registryBase + window name + "\Window"
