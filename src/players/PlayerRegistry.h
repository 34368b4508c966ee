// PlayerRegistry: the players kept in the settings store, the one playing now and where their scores live.
#pragma once

#include "players/Player.h"

#include <QList>
#include <QObject>
#include <QStringList>

class PlayerRegistry : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxPlayers = 12;
    static constexpr int MaxNameLength = 40;
    // The player who was there before players existed; owns the high scores under the details key.
    static constexpr int FirstId = 1;

    enum class NameCheck { Fine, Empty, TooLong, Taken };

    explicit PlayerRegistry(QObject* parent = nullptr);

    // Read from the store each time, so a second running copy's changes are seen; never empty.
    QList<Player> players() const;
    Player player(int id) const;
    int count() const { return int(players().size()); }

    int currentId() const { return currentId_; }
    Player current() const { return player(currentId_); }
    // Makes a listed player the one playing and points the score model at their high scores.
    void setCurrent(int id);

    // Names are trimmed; at most MaxNameLength characters; unique without regard to case.
    static QString cleanName(const QString& name);
    NameCheck checkName(const QString& name, int exceptId = 0) const;
    static QString problemText(NameCheck check);

    // The new player's id, or 0 when the name does not pass, the list is full or the store refused.
    int add(const QString& name, const QString& picture);
    bool rename(int id, const QString& name);
    bool setPicture(int id, const QString& picture);
    // Removes a player (never the last one), their section of the store and the high scores they had in
    // the given subjects.
    bool remove(int id, const QStringList& subjects);

    // The key path of a player's high scores: the details key for the first player, their own otherwise.
    static QString scoresKey(int id);
    static QString playerKey(int id);
    static QString listKey();

signals:
    void changed();
    void currentChanged();

private:
    // The stored list entry by entry, however long: a hand-edited list may hold more than is shown, and a
    // save never drops what it could not show.
    static QStringList storedEntries();
    static bool writeEntries(const QStringList& entries);
    // The listed ids, the first MaxPlayers valid ones; never empty.
    QList<int> ids() const;
    // An id no player has had: not in the list, not in the answer log, never past the integer limit.
    static int newId(const QStringList& entries);

    int currentId_ = FirstId;
};

// The program's registry (lives as long as the program).
PlayerRegistry& playerRegistry();
