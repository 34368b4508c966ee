// FitText: long words shrink rather than spill out of their label.
#include "games/common/FitText.h"

#include <QFontMetrics>
#include <QLabel>

void setFittedText(QLabel* label, const QString& text, int largestPointSize, int smallestPointSize) {
    QFont f = label->font();
    int size = largestPointSize;
    f.setPointSize(size);
    const int room = label->contentsRect().width() - 8;
    while (size > smallestPointSize && QFontMetrics(f).horizontalAdvance(text) > room)
        f.setPointSize(--size);
    if (label->font() != f) label->setFont(f);
    label->setText(text);
}
