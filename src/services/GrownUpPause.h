// GrownUpPause: after a wrong answer to the grown-up question, how long until it may be asked again.
#pragma once

#include <functional>
#include <QtGlobal>

// Each wrong answer waits longer than the one before (5 s, 15 s, a minute, 5 and then 15 minutes), so a child
// tapping at random, however slowly, gets through less than once in 100 000 taps, while a grown-up who
// mistypes once waits a few seconds. A pass, or an hour without a wrong answer, starts the ladder again.
class GrownUpPause {
public:
    // Milliseconds on a clock that never goes back; the program's is the steady clock.
    using Clock = std::function<qint64()>;
    static constexpr qint64 StepsMs[] = {5'000, 15'000, 60'000, 300'000, 900'000};
    static constexpr qint64 ForgivenAfterMs = 3'600'000;

    explicit GrownUpPause(Clock clock = {});

    // 0 when the question may be asked now.
    qint64 remainingMs() const;
    // Whole seconds left, rounded up, for what the grown-up reads.
    int remainingSeconds() const { return int((remainingMs() + 999) / 1000); }
    void wrongAnswer();
    void passed();

private:
    Clock clock_;
    qint64 lastWrong_ = 0;
    qint64 until_ = 0;
    int wrongInARow_ = 0;
};

// The program's one pause, shared by every way to the question; tests may put a fresh one in its place.
GrownUpPause& grownUpPause();
