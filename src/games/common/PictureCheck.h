// PictureCheck: whether a word's picture can be shown, so a damaged file never enters a game's draw.
#pragma once

#include <QString>

class PictureCheck {
public:
    virtual ~PictureCheck() = default;
    // Known not to show without reading the file: cheap enough to ask of every name of a folder.
    virtual bool knownBroken(const QString& path) = 0;
    // Whether the picture shows, reading it when that is not known yet; one that does not is known broken
    // from then on.
    virtual bool shows(const QString& path) = 0;
};
