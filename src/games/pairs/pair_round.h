#pragma once

#include <array>
#include <cstddef>
#include <string>

class RandomSource;

// One round of the pair game: nine numbers with their numerals.
struct PairRound {
    static constexpr std::size_t Size = 9;

    // The number captions of the upper field, in the order drawn.
    std::array<std::string, Size> numberCaptions;
    // Their numerals in the same order: entry k-1 belongs on the k-th number.
    std::array<std::string, Size> numerals;
    // The same numerals in the order of the sorted list, as the lower box shows them.
    std::array<std::string, Size> sortedNumerals;
};

// Draws nine numbers from 1 to 3999, independently, so a number may come twice.
PairRound drawPairRound(RandomSource &random);
