// leadingNumber: how the program reads numbers it keeps as texts.
#include "app/TextNumber.h"

double leadingNumber(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) ++i;
    const qsizetype digitsFrom = i;
    auto isDigitAt = [&text](qsizetype at) {
        return at < text.size() && text[at] >= QLatin1Char('0') && text[at] <= QLatin1Char('9');
    };
    while (isDigitAt(i))
        ++i;
    if (i < text.size() && text[i] == QLatin1Char('.') && isDigitAt(i + 1)) {
        i += 2;
        while (isDigitAt(i))
            ++i;
    }
    if (i == digitsFrom) return 0.0;
    bool ok = false;
    const double value = text.mid(start, i - start).toDouble(&ok);
    return ok ? value : 0.0;
}

QString higherNumber(const QString& stored, const QString& candidate) {
    return leadingNumber(stored) > leadingNumber(candidate) ? stored : candidate;
}
