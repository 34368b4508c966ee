// FakeGame: a stand-in game window that counts how it was opened, for the shell's wiring tests.
#pragma once

#include "forms/GameForm.h"

class FakeGame final : public GameForm {
public:
    FakeGame(int number, const QString& name) : GameForm(name, number) { ++created; }
    QStringList pictures;
    QStringList pictureList() const override { return pictures; }
    void startFromMenu() override { ++menuStarts; }
    void startFromSubjectChoice() override { ++sectionStarts; }

    static inline int created = 0;
    static inline int menuStarts = 0;
    static inline int sectionStarts = 0;
    static inline int activations = 0;
    static void reset() { created = menuStarts = sectionStarts = activations = 0; }

protected:
    void activate() override { ++activations; }
};
