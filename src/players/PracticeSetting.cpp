// PracticeSetting: one value under the details key.
#include "players/PracticeSetting.h"

#include "app/SettingsStore.h"

namespace PracticeSetting {

namespace {
const QString Name = QStringLiteral("MissedWordsComeBack");
} // namespace

bool missedWordsComeBack() {
    return readSetting(detailsKey(), Name, QStringLiteral("1")) != QLatin1String("0");
}

bool setMissedWordsComeBack(bool on) {
    return writeSetting(detailsKey(), Name, on ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace PracticeSetting
