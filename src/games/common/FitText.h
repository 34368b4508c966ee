// FitText: sets a label's text in the largest type up to a size that still fits the label's width.
#pragma once

class QLabel;
class QString;

void setFittedText(QLabel* label, const QString& text, int largestPointSize, int smallestPointSize = 12);
