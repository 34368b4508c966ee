// ProgramPictures: the program's picture check, the shared picture loader's verdicts.
#pragma once

#include "games/common/PictureCheck.h"

class ProgramPictures final : public PictureCheck {
public:
    bool knownBroken(const QString& path) override;
    bool shows(const QString& path) override;

    static ProgramPictures& instance();
};
