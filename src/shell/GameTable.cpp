// GameTable: the fixed rows of the six games and their registered windows.
#include "shell/GameTable.h"

#include "forms/Forms.h"
#include "forms/GameForm.h"
#include "app/GameList.h"

namespace {
QList<GameEntry>& rows() {
    static QList<GameEntry> table = [] {
        QList<GameEntry> entries;
        for (const GameDescriptor& game : GameList)
            entries.append({game.number, QLatin1String(game.windowName), QLatin1String(game.title), {}});
        return entries;
    }();
    return table;
}
} // namespace

namespace GameTable {

const QList<GameEntry>& entries() {
    return rows();
}

const GameEntry* byNumber(int number) {
    for (const GameEntry& e : rows())
        if (e.number == number) return &e;
    return nullptr;
}

void registerGame(int number, std::function<GameForm*()> factory) {
    for (GameEntry& e : rows()) {
        if (e.number != number) continue;
        e.factory = factory;
        forms().registerForm(e.windowName, [factory]() -> QWidget* { return factory ? factory() : nullptr; });
        return;
    }
}

void clearRegistrations() {
    for (GameEntry& e : rows()) {
        e.factory = {};
        forms().registerForm(e.windowName, {});
    }
}

} // namespace GameTable
