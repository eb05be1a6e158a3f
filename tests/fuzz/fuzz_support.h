#pragma once

// Shared by the fuzz targets: a failing property stops the run (libFuzzer keeps the input),
// and references that do not use the rules under test.

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

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

// The numeral of 0 to 3999 by greedy subtraction: take the largest value that still fits.
inline std::string greedyNumeral(int number)
{
    static constexpr std::array<std::pair<int, std::string_view>, 13> values = {{
        {1000, "M"},
        {900, "CM"},
        {500, "D"},
        {400, "CD"},
        {100, "C"},
        {90, "XC"},
        {50, "L"},
        {40, "XL"},
        {10, "X"},
        {9, "IX"},
        {5, "V"},
        {4, "IV"},
        {1, "I"},
    }};
    std::string numeral;
    for (const auto &[value, letters] : values) {
        for (; number >= value; number -= value)
            numeral += letters;
    }
    return numeral;
}
