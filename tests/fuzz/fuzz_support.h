#pragma once

// Shared by the fuzz targets: a failing property stops the run (libFuzzer keeps the input),
// and references that do not use the rules under test.

#include "greedy_numeral.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

inline void require(bool holds, const char *property)
{
    if (!holds) {
        std::fprintf(stderr, "Property broken: %s\n", property);
        std::abort();
    }
}

inline bool onlyCharactersOf(std::string_view text, std::string_view allowed)
{
    return text.find_first_not_of(allowed) == std::string_view::npos;
}

inline constexpr std::string_view DecimalDigits = "0123456789";
inline constexpr std::string_view NumeralLetters = "IVXLCDM";

// The value of a string of decimal digits, or `ceiling` when it is that or more.
inline long long cappedValue(std::string_view digits, long long ceiling)
{
    long long value = 0;
    for (char digit : digits) {
        value = value * 10 + (digit - '0');
        if (value >= ceiling)
            return ceiling;
    }
    return value;
}
