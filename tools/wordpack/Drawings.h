// Drawings: the pictures we draw ourselves where no artwork fits (shapes, an igloo, insects, a xylophone).
#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

namespace Drawings {

QStringList names();
bool exists(const QString& name);
// Draws the named picture to fill a square box; false for an unknown name.
bool draw(QPainter& painter, const QString& name, const QRectF& box);

} // namespace Drawings
