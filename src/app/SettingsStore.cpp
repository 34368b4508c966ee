// SettingsStore: the installed store, the two operations every part calls, and the program's key paths.
#include "app/SettingsStore.h"

#include "app/AppState.h"
#include "app/TextNumber.h"

namespace {
// Stands in until a store is installed: everything reads as its default and nothing is written.
class NoSettingsStore final : public SettingsStore {
public:
    QString readString(const QString&, const QString&, const QString& defaultText) override {
        return defaultText;
    }
    bool writeString(const QString&, const QString&, const QString&) override { return false; }
};

SettingsStore* installed = nullptr;
} // namespace

QString SettingsStore::raiseNumber(const QString& keyPath, const QString& valueName, const QString& text) {
    const QString kept = higherNumber(readString(keyPath, valueName, QStringLiteral("0")), text);
    writeString(keyPath, valueName, kept);
    return kept;
}

SettingsStore& settingsStore() {
    static NoSettingsStore none;
    return installed ? *installed : none;
}

void setSettingsStore(SettingsStore* store) {
    installed = store;
}

QString readSetting(const QString& keyPath, const QString& valueName, const QString& defaultText) {
    return settingsStore().readString(keyPath, valueName, defaultText);
}

bool writeSetting(const QString& keyPath, const QString& valueName, const QString& text) {
    return settingsStore().writeString(keyPath, valueName, text);
}

QString readWholeSetting(const QString& keyPath, const QString& valueName, const QString& defaultText) {
    return settingsStore().readWholeString(keyPath, valueName, defaultText);
}

bool removeSettingsKey(const QString& keyPath) {
    return settingsStore().removeKey(keyPath);
}

QString detailsKey() {
    return appState().registryBase + QStringLiteral("Settings\\Details");
}

QString windowKey(const QString& windowName) {
    return appState().registryBase + windowName + QStringLiteral("\\Window");
}
