// Player: one child who plays on this machine: an id that never changes, a first name and a picture.
#pragma once

#include <QString>

struct Player {
    int id = 0;
    QString name;
    // A picture of the word pack, relative to the files folder ("farm animals/cow.edi"); empty for none.
    QString picture;

    bool operator==(const Player&) const = default;
};
