// PlayerRegistry: players as values in the settings store; names are values, never key path components.
#include "players/PlayerRegistry.h"

#include "app/AppState.h"
#include "app/SettingsStore.h"
#include "players/AnswerHistory.h"
#include "players/AnswerLog.h"
#include "players/PlayersLog.h"
#include "score/ScoreModel.h"

#include <QSet>

#include <algorithm>
#include <limits>

namespace {
const QString ListValue = QStringLiteral("List");
const QString NextValue = QStringLiteral("Next");
const QString NameValue = QStringLiteral("Name");
const QString PictureValue = QStringLiteral("Picture");
const QString HighScorePrefix = QStringLiteral("SCORE-HIGH - ");

qsizetype characterCount(const QString& text) {
    return text.toUcs4().size();
}

// A list entry's id, or 0 when it is none (a typo, a negative number, past the integer limit).
int idOf(const QString& entry) {
    bool ok = false;
    const int id = entry.toInt(&ok);
    return ok && id > 0 ? id : 0;
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

QStringList PlayerRegistry::storedEntries() {
    QStringList entries;
    for (const QString& part : readWholeSetting(listKey(), ListValue, QString()).split(u',', Qt::SkipEmptyParts))
        if (!part.trimmed().isEmpty()) entries << part.trimmed();
    return entries;
}

bool PlayerRegistry::writeEntries(const QStringList& entries) {
    return writeSetting(listKey(), ListValue, entries.join(u','));
}

QList<int> PlayerRegistry::ids() const {
    QList<int> result;
    for (const QString& entry : storedEntries()) {
        const int id = idOf(entry);
        if (id > 0 && !result.contains(id) && result.size() < MaxPlayers) result << id;
    }
    // No list yet (an older settings file) or an unreadable one: the first player alone.
    if (result.isEmpty()) result << FirstId;
    return result;
}

int PlayerRegistry::newId(const QStringList& entries) {
    QSet<int> taken{FirstId};
    if (AnswerLog* log = answerLog()) taken = AnswerHistory(log->databasePath()).playerIds() + taken;
    for (const QString& entry : entries)
        taken.insert(idOf(entry));
    qint64 next = qMax(readSetting(listKey(), NextValue, QString()).toLongLong(), qint64(FirstId) + 1);
    for (int id : taken)
        next = qMax(next, qint64(id) + 1);
    if (next <= std::numeric_limits<int>::max()) return int(next);
    // Hand-edited ids reached the limit: the lowest id that no list, log or section has held.
    for (int id = FirstId + 1;; ++id)
        if (!taken.contains(id) && readSetting(playerKey(id), NameValue, QString()).isEmpty()) return id;
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
    if (ids().size() >= MaxPlayers || checkName(name) != NameCheck::Fine) return 0;
    QStringList entries = storedEntries();
    // Ids are never given twice, so a new player never finds a removed one's scores or answers.
    const int id = newId(entries);
    const qint64 next = qMax(readSetting(listKey(), NextValue, QString()).toLongLong(), qint64(id) + 1);
    if (!writeSetting(playerKey(id), NameValue, cleanName(name)) ||
        !writeSetting(playerKey(id), PictureValue, picture) ||
        !writeSetting(listKey(), NextValue, QString::number(next))) {
        qCWarning(lcPlayers) << "could not store a new player";
        return 0;
    }
    // An older file has no list yet, or none with a valid id: writing it now keeps the first player in it.
    if (std::none_of(entries.cbegin(), entries.cend(), [](const QString& e) { return idOf(e) > 0; }))
        entries.prepend(QString::number(FirstId));
    entries << QString::number(id);
    if (!writeEntries(entries)) {
        qCWarning(lcPlayers) << "could not store the list of players";
        return 0;
    }
    emit changed();
    return id;
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
    QStringList entries = storedEntries();
    entries.removeIf([id](const QString& e) { return idOf(e) == id; });
    if (!writeEntries(entries)) return false;
    list = ids();
    // The first player's scores share the details key with the settings: only those are cleared there.
    if (id == FirstId) {
        const QString none = QStringLiteral("\x01");
        for (const QString& subject : subjects)
            if (readSetting(detailsKey(), HighScorePrefix + subject, none) != none)
                writeSetting(detailsKey(), HighScorePrefix + subject, QStringLiteral("0"));
    }
    if (!removeSettingsKey(playerKey(id))) qCWarning(lcPlayers) << "could not remove the section of player" << id;
    if (currentId_ == id) setCurrent(list.first());
    emit changed();
    return true;
}

PlayerRegistry& playerRegistry() {
    static PlayerRegistry registry;
    return registry;
}
