// GrownUpCheck: what a grown-up passes before anything leaves the program: tapping a number written in words.
#pragma once

#include <QString>

class RandomSource;

// A three-digit number in words ("three hundred and forty-two") is read at a glance by a grown-up and not by
// a young child; its digits are tapped in order, and one wrong digit ends the check, so random tapping passes
// once in a thousand tries at best.
class GrownUpCheck {
public:
    enum class State { Waiting, Passed, Failed };
    static constexpr int Lowest = 100;
    static constexpr int Highest = 999;

    // number is kept within Lowest..Highest.
    explicit GrownUpCheck(int number);
    // A fresh number, so an answer seen once does not pass the next check.
    static GrownUpCheck drawn(RandomSource& random);

    int number() const { return number_; }
    QString words() const { return inWords(number_); }
    // The digits tapped so far.
    QString typed() const { return typed_; }
    State state() const { return state_; }

    // Takes the next digit (0-9); after a pass or a failure nothing changes any more.
    State enter(int digit);

    // 0 to 999 in British English words, as the number is said aloud.
    static QString inWords(int number);

private:
    int number_;
    QString typed_;
    State state_ = State::Waiting;
};
