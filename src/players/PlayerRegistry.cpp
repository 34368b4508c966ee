// PlayerRegistry: players as values in the settings store; names are values, never key path components.
#include "players/PlayerRegistry.h"

#include "app/AppState.h"
#include "app/SettingsStore.h"
#include "players/PlayersLog.h"
#include "score/ScoreModel.h"

namespace {
const QString ListValue = QStringLiteral("List");
const QString NextValue = QStringLiteral("Next");
const QString NameValue = QStringLiteral("Name");
const QString PictureValue = QStringLiteral("Picture");
const QString HighScorePrefix = QStringLiteral("SCORE-HIGH - ");

qsizetype characterCount(const QString& text) {
    return text.toUcs4().size();
}
} // namespace

PlayerRegistry::PlayerRegistry(QObject* parent) : QObject(parent) {}

QString PlayerRegistry::listKey() {
    return appState().registryBase + QStringLiteral("Players");
}

QString PlayerRegistry::playerKey(int id) {
    return listKey() + u'\\' + QString::number(id);
}

QString PlayerRegistry::scoresKey(int id) {
    // The first player keeps the scores every earlier version wrote, so nothing moves on upgrade.
    return id == FirstId ? detailsKey() : playerKey(id);
}

QList<int> PlayerRegistry::ids() const {
    const QString stored = readSetting(listKey(), ListValue, QString());
    QList<int> result;
    for (const QString& part : stored.split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int id = part.trimmed().toInt(&ok);
        if (ok && id > 0 && !result.contains(id) && result.size() < MaxPlayers) result << id;
    }
    // No list yet (an older settings file) or an unreadable one: the first player alone.
    if (result.isEmpty()) result << FirstId;
    return result;
}

bool PlayerRegistry::writeIds(const QList<int>& ids) {
    QStringList parts;
    for (int id : ids)
        parts << QString::number(id);
    return writeSetting(listKey(), ListValue, parts.join(u','));
}

Player PlayerRegistry::player(int id) const {
    Player p;
    p.id = id;
    p.name = cleanName(readSetting(playerKey(id), NameValue, QString()));
    if (p.name.isEmpty()) p.name = QStringLiteral("Player %1").arg(id);
    p.picture = readSetting(playerKey(id), PictureValue, QString());
    return p;
}

QList<Player> PlayerRegistry::players() const {
    QList<Player> result;
    for (int id : ids())
        result << player(id);
    return result;
}

void PlayerRegistry::setCurrent(int id) {
    if (!ids().contains(id)) return;
    currentId_ = id;
    scoreModel().setHighScoresKey(scoresKey(id));
    emit currentChanged();
}

QString PlayerRegistry::cleanName(const QString& name) {
    return name.trimmed();
}

PlayerRegistry::NameCheck PlayerRegistry::checkName(const QString& name, int exceptId) const {
    const QString clean = cleanName(name);
    if (clean.isEmpty()) return NameCheck::Empty;
    if (characterCount(clean) > MaxNameLength) return NameCheck::TooLong;
    for (const Player& p : players())
        if (p.id != exceptId && p.name.compare(clean, Qt::CaseInsensitive) == 0) return NameCheck::Taken;
    return NameCheck::Fine;
}

QString PlayerRegistry::problemText(NameCheck check) {
    switch (check) {
    case NameCheck::Fine:
        return QString();
    case NameCheck::Empty:
        return QStringLiteral("Please type a name.");
    case NameCheck::TooLong:
        return QStringLiteral("A name can have at most %1 letters.").arg(MaxNameLength);
    case NameCheck::Taken:
        return QStringLiteral("There is already a player with this name.");
    }
    return QString();
}

int PlayerRegistry::add(const QString& name, const QString& picture) {
    QList<int> list = ids();
    if (list.size() >= MaxPlayers || checkName(name) != NameCheck::Fine) return 0;
    // Ids are never given twice, so a new player never finds a removed one's scores.
    int next = qMax(readSetting(listKey(), NextValue, QString()).toInt(), FirstId + 1);
    for (int id : list)
        next = qMax(next, id + 1);
    if (!writeSetting(playerKey(next), NameValue, cleanName(name)) ||
        !writeSetting(playerKey(next), PictureValue, picture) ||
        !writeSetting(listKey(), NextValue, QString::number(next + 1))) {
        qCWarning(lcPlayers) << "could not store a new player";
        return 0;
    }
    // An older file has no list yet: writing it now keeps the first player in it.
    list << next;
    if (!writeIds(list)) {
        qCWarning(lcPlayers) << "could not store the list of players";
        return 0;
    }
    emit changed();
    return next;
}

bool PlayerRegistry::rename(int id, const QString& name) {
    if (!ids().contains(id) || checkName(name, id) != NameCheck::Fine) return false;
    if (!writeSetting(playerKey(id), NameValue, cleanName(name))) return false;
    emit changed();
    return true;
}

bool PlayerRegistry::setPicture(int id, const QString& picture) {
    if (!ids().contains(id)) return false;
    if (!writeSetting(playerKey(id), PictureValue, picture)) return false;
    emit changed();
    return true;
}

bool PlayerRegistry::remove(int id, const QStringList& subjects) {
    QList<int> list = ids();
    if (list.size() <= 1 || !list.contains(id)) return false;
    list.removeAll(id);
    if (!writeIds(list)) return false;
    // The store cannot delete a value; a cleared one reads as no score.
    const QString key = scoresKey(id);
    const QString none = QStringLiteral("\x01");
    for (const QString& subject : subjects)
        if (readSetting(key, HighScorePrefix + subject, none) != none)
            writeSetting(key, HighScorePrefix + subject, QStringLiteral("0"));
    writeSetting(playerKey(id), NameValue, QString());
    writeSetting(playerKey(id), PictureValue, QString());
    if (currentId_ == id) setCurrent(list.first());
    emit changed();
    return true;
}

PlayerRegistry& playerRegistry() {
    static PlayerRegistry registry;
    return registry;
}
