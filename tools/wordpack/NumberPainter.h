// NumberPainter: a numeral above counting dots (ten-frames, bars of ten, squares of a hundred).
#pragma once

#include <QRectF>

class QPainter;

namespace NumberPainter {

void draw(QPainter& painter, int number, const QRectF& area);

} // namespace NumberPainter
