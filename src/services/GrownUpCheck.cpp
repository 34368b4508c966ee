// GrownUpCheck: the number in words and the digit-by-digit answer.
#include "services/GrownUpCheck.h"

#include "app/Random.h"

#include <algorithm>

namespace {
const char* const Units[] = {"zero",     "one",     "two",     "three",     "four",     "five",    "six",
                             "seven",    "eight",   "nine",    "ten",       "eleven",   "twelve",  "thirteen",
                             "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
const char* const Tens[] = {"",      "",      "twenty",  "thirty", "forty",
                            "fifty", "sixty", "seventy", "eighty", "ninety"};

QString belowHundred(int n) {
    if (n < 20) return QLatin1String(Units[n]);
    QString text = QLatin1String(Tens[n / 10]);
    if (n % 10) text += QLatin1Char('-') + QLatin1String(Units[n % 10]);
    return text;
}
} // namespace

GrownUpCheck::GrownUpCheck(int number) : number_(std::clamp(number, Lowest, Highest)) {}

GrownUpCheck GrownUpCheck::drawn(RandomSource& random) {
    return GrownUpCheck(Lowest + random.drawIndex(Highest - Lowest + 1));
}

GrownUpCheck::State GrownUpCheck::enter(int digit) {
    if (state_ != State::Waiting || digit < 0 || digit > 9) return state_;
    const QString wanted = QString::number(number_);
    typed_ += QChar(u'0' + digit);
    if (!wanted.startsWith(typed_))
        state_ = State::Failed;
    else if (typed_.size() == wanted.size())
        state_ = State::Passed;
    return state_;
}

QString GrownUpCheck::inWords(int number) {
    if (number < 0 || number > 999) return QString::number(number);
    if (number < 100) return belowHundred(number);
    QString text = QLatin1String(Units[number / 100]) + QStringLiteral(" hundred");
    if (number % 100) text += QStringLiteral(" and ") + belowHundred(number % 100);
    return text;
}
