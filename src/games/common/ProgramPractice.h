// ProgramPractice: the program's practice source: the current player, the setting and the answer log.
#pragma once

#include "games/common/PracticeSource.h"

class ProgramPractice final : public PracticeSource {
public:
    bool enabled() const override;
    int player() const override;
    WordStates load(int player, const QString& subject) override;

    static ProgramPractice& instance();
};
