// LeadingNumber: leading-number parse of texts.
#include "app/LeadingNumber.h"

#include <cmath>
#include <limits>

double leadingNumber(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t'))) ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) ++i;
    bool digits = false;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) ++i, digits = true;
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) ++i, digits = true;
    }
    if (!digits) return 0.0;
    bool ok = false;
    const double value = text.mid(start, i - start).toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

qint32 leadingInt(const QString& text) {
    const double value = std::trunc(leadingNumber(text));
    if (value >= std::numeric_limits<qint32>::max()) return std::numeric_limits<qint32>::max();
    if (value <= std::numeric_limits<qint32>::min()) return std::numeric_limits<qint32>::min();
    return static_cast<qint32>(value);
}
