// RandomSource: the one generator behind every draw; seeded from the clock in the program, fixed in tests.
#pragma once

#include <cstdint>
#include <random>

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform index in 0 .. n-1; 0 when n <= 0.
    virtual int drawIndex(int n) = 0;
};

class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    int drawIndex(int n) override {
        if (n <= 0) return 0;
        return std::uniform_int_distribution<int>(0, n - 1)(engine_);
    }

private:
    std::mt19937_64 engine_;
};

// The program's generator (clock-seeded on first use); tests may install a seeded one.
RandomSource& randomSource();
void setRandomSource(RandomSource* source);
