// NumberPainter: a numeral above counting dots (ten-frames, bars of ten, squares of a hundred).
#include "NumberPainter.h"

#include <QFont>
#include <QList>
#include <QPainter>
#include <QPainterPath>

namespace {

// One block of dots laid out in a grid: a ten-frame, a bar of ten or a square of a hundred.
struct Block {
    int columns, rows, dots;
};

QList<Block> blocksFor(int number, bool* framed) {
    QList<Block> blocks;
    *framed = number <= 20;
    if (number <= 20) {
        // Ten-frames: a child counts to five along a row and sees ten as a full frame.
        for (int left = number; left > 0 || blocks.isEmpty(); left -= 10) blocks.append({5, 2, qMin(10, qMax(0, left))});
    } else if (number < 100 && number % 10 == 0) {
        for (int i = 0; i < number / 10; ++i) blocks.append({1, 10, 10});
    } else if (number % 100 == 0) {
        for (int i = 0; i < number / 100; ++i) blocks.append({10, 10, 100});
    } else {
        for (int i = 0; i < number / 10; ++i) blocks.append({1, 10, 10});
        if (number % 10) blocks.append({1, 10, number % 10});
    }
    return blocks;
}

} // namespace

namespace NumberPainter {

void draw(QPainter& p, int number, const QRectF& area) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF numeralBox(area.left(), area.top() + 10, area.width(), 220);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(200);
    QPainterPath numeral;
    const QString text = QString::number(number);
    const QFontMetricsF metrics(font);
    numeral.addText(numeralBox.center().x() - metrics.horizontalAdvance(text) / 2,
                    numeralBox.center().y() + (metrics.ascent() - metrics.descent()) / 2, font, text);
    p.setPen(QPen(Qt::white, 14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(numeral);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(25, 90, 190));
    p.drawPath(numeral);

    bool framed = false;
    const QList<Block> blocks = blocksFor(number, &framed);
    const QRectF dotsBox(area.left() + 30, numeralBox.bottom() + 10, area.width() - 60,
                         area.bottom() - numeralBox.bottom() - 40);
    // Pick how many blocks share a row so that the dots come out as large as possible.
    const int columns = blocks.first().columns, rows = blocks.first().rows;
    const int count = int(blocks.size());
    double pitch = 0;
    int perRow = 1;
    for (int k = 1; k <= count; ++k) {
        const int lines = (count + k - 1) / k;
        const double across = dotsBox.width() / (k * columns + (k - 1) * 0.8);
        const double down = dotsBox.height() / (lines * rows + (lines - 1) * 0.8);
        if (qMin(across, down) > pitch) {
            pitch = qMin(qMin(across, down), 96.0);
            perRow = k;
        }
    }
    const int lines = (count + perRow - 1) / perRow;
    const double blockW = columns * pitch, blockH = rows * pitch, gap = 0.8 * pitch;
    const double totalH = lines * blockH + (lines - 1) * gap;
    const QColor colours[] = {QColor(229, 57, 53), QColor(255, 160, 0)};
    for (int i = 0; i < count; ++i) {
        const int line = i / perRow;
        const int inLine = qMin(perRow, count - line * perRow);
        const double lineW = inLine * blockW + (inLine - 1) * gap;
        const double x0 = dotsBox.center().x() - lineW / 2 + (i % perRow) * (blockW + gap);
        const double y0 = dotsBox.center().y() - totalH / 2 + line * (blockH + gap);
        const Block& b = blocks[i];
        if (framed) {
            p.setPen(QPen(QColor(120, 120, 130), qMax(2.0, pitch * 0.05)));
            p.setBrush(Qt::white);
            for (int r = 0; r < b.rows; ++r)
                for (int c = 0; c < b.columns; ++c) p.drawRect(QRectF(x0 + c * pitch, y0 + r * pitch, pitch, pitch));
        }
        p.setPen(QPen(colours[i % 2].darker(140), qMax(1.0, pitch * 0.05)));
        p.setBrush(colours[i % 2]);
        for (int d = 0; d < b.dots; ++d) {
            const int r = d / b.columns, c = d % b.columns;
            const QPointF centre(x0 + (c + 0.5) * pitch, y0 + (r + 0.5) * pitch);
            p.drawEllipse(centre, pitch * 0.36, pitch * 0.36);
        }
    }
    p.restore();
}

} // namespace NumberPainter
