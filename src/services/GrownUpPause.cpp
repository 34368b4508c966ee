// GrownUpPause: the growing wait after wrong answers.
#include "services/GrownUpPause.h"

#include <algorithm>
#include <chrono>
#include <iterator>

namespace {
qint64 steadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
} // namespace

GrownUpPause::GrownUpPause(Clock clock) : clock_(clock ? std::move(clock) : Clock(steadyMs)) {}

qint64 GrownUpPause::remainingMs() const {
    return std::max<qint64>(0, until_ - clock_());
}

void GrownUpPause::wrongAnswer() {
    const qint64 now = clock_();
    if (wrongInARow_ > 0 && now - lastWrong_ >= ForgivenAfterMs) wrongInARow_ = 0;
    const int step = std::min<int>(wrongInARow_, int(std::size(StepsMs)) - 1);
    ++wrongInARow_;
    lastWrong_ = now;
    until_ = now + StepsMs[step];
}

void GrownUpPause::passed() {
    wrongInARow_ = 0;
    until_ = 0;
}

GrownUpPause& grownUpPause() {
    static GrownUpPause pause;
    return pause;
}
