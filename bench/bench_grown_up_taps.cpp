// bench_grown_up_taps: how often a child tapping the grown-up question's keys at random gets through, at
// several tapping speeds, with the pause after wrong answers and without it. Prints figures, asserts
// nothing: every tap lands on a key (the worst case), and the question is always open.
#include <cstdio>
#include <optional>

#include "app/Random.h"
#include "services/GrownUpCheck.h"
#include "services/GrownUpPause.h"

namespace {
struct Run {
    long long passes = 0;
    long long tries = 0;
};

Run tapAtRandom(long long taps, double tapsPerSecond, bool paused, std::uint64_t seed) {
    SeededRandom random(seed);
    qint64 now = 0;
    GrownUpPause pause([&now] { return now; });
    std::optional<GrownUpCheck> check;
    Run run;
    const double msPerTap = 1000.0 / tapsPerSecond;
    for (long long tap = 0; tap < taps; ++tap) {
        now = qint64(double(tap) * msPerTap);
        if (paused && pause.remainingMs() > 0) continue; // the keys rest
        if (!check) {
            check = GrownUpCheck::drawn(random);
            ++run.tries;
        }
        const GrownUpCheck::State state = check->enter(random.drawIndex(10));
        if (state == GrownUpCheck::State::Waiting) continue;
        if (state == GrownUpCheck::State::Passed) {
            ++run.passes;
            pause.passed();
        } else {
            pause.wrongAnswer();
        }
        check.reset();
    }
    return run;
}
} // namespace

int main(int argc, char** argv) {
    const long long taps = argc > 1 ? QByteArray(argv[1]).toLongLong() : 20'000'000LL;
    std::printf("%lld random taps on the keys per row\n", taps);
    const auto print = [taps](const char* what, const Run& run) {
        std::printf("%-22s %9lld tries, %7lld passes: %8.3f per 100 000 taps\n", what, run.tries, run.passes,
                    double(run.passes) * 100'000.0 / double(taps));
    };
    // Without the pause the speed makes no difference.
    print("no pause:", tapAtRandom(taps, 1.0, false, 20261209));
    for (const double speed : {0.2, 0.5, 1.0, 2.0, 5.0, 10.0}) {
        char what[40];
        std::snprintf(what, sizeof what, "pause, %4.1f taps/s:", speed);
        print(what, tapAtRandom(taps, speed, true, 20261209));
    }
    return 0;
}
