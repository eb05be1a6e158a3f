#include "platform/random.h"

#include <bit>

void RandomSource::seed(double secondsSinceMidnight)
{
    engine.seed(std::bit_cast<std::uint64_t>(secondsSinceMidnight));
}

int RandomSource::between(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(engine);
}

double RandomSource::fraction()
{
    return static_cast<double>(engine() >> 11) * 0x1.0p-53;
}

RandomSource &programRandom()
{
    static RandomSource generator;
    return generator;
}
