#pragma once

#include "platform/random.h"

#include <array>
#include <string>

inline constexpr int MemoryCardCount = 18;

// The numeral list of a level: entry d is the numeral of pair digit d, entry 0 is empty.
using MemoryNumerals = std::array<std::string, 10>;

// A dealt board. Card n (1 to 18) has the pair digit pairString[n - 1] ('1' to '9', each
// twice) and shows values[n - 1] when it is face up.
struct MemoryBoard {
    std::string pairString;
    std::array<std::string, MemoryCardCount> values;
};

// What a number card of the level carries after its digit: nothing for ones ('E'),
// "0" for tens ('Z'), "00" for hundreds ('H').
std::string_view numberSuffix(char level);

// Shuffles the nine pairs onto the 18 places, then lets a coin decide for each pair
// whether its first or its second card (in card order) shows the numeral; the other shows
// the number. Every draw is a fraction taken from the generator.
MemoryBoard dealMemoryBoard(char level, const MemoryNumerals &numerals, RandomSource &random);
