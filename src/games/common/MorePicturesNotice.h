// MorePicturesNotice: the calm line a game window shows when its subject cannot feed another round.
#pragma once

#include <QString>

inline QString morePicturesNotice() {
    return QStringLiteral("This subject needs more pictures for this game.");
}
