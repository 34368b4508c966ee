// PlayerFace: a player's picture as the strip and the player screens show it, or their initial on a disc.
#pragma once

#include "players/Player.h"

#include <QPixmap>

namespace PlayerFace {
// The picture file of a player, or empty when they have none or it is gone.
QString picturePath(const Player& player);
// A square face of the given side in device-independent pixels.
QPixmap face(const Player& player, int side, qreal devicePixelRatio = 1.0);
} // namespace PlayerFace
