// GameTable: the fixed rows of the six games and their registered windows.
#include "windows/GameTable.h"

#include "windows/Forms.h"
#include "windows/GameForm.h"

namespace {
QList<GameEntry>& rows() {
    static QList<GameEntry> table = {
        {1, QStringLiteral("ListeningWindow"), QStringLiteral("Listening"), {}},
        {2, QStringLiteral("FlashCardsWindow"), QStringLiteral("Flash Cards"), {}},
        {3, QStringLiteral("MemoryWindow"), QStringLiteral("Memory"), {}},
        {4, QStringLiteral("ChooseWindow"), QStringLiteral("Words"), {}},
        {5, QStringLiteral("HiddenLettersWindow"), QStringLiteral("Hidden Words"), {}},
        {6, QStringLiteral("MixedLettersWindow"), QStringLiteral("Mixed Up"), {}},
    };
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
