#pragma once

#include <cstdint>
#include <random>

// A uniform generator that rules take as an argument, so tests can pass a fixed seed.
class RandomSource
{
public:
    explicit RandomSource(std::uint64_t seed = 0) : engine(seed) {}

    // Seeds from a time of day in seconds since midnight, fraction included.
    void seed(double secondsSinceMidnight);

    // A whole number from low to high, both included, all equally likely.
    int between(int low, int high);

    // A fraction r with 0 <= r < 1, from 53 random bits (never 1.0).
    double fraction();

private:
    std::mt19937_64 engine;
};

// The program's generator, reseeded from the clock by every procedure that draws.
RandomSource &programRandom();
