#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>

// A second rule for numerals, to judge the program's tables by: the numeral of 0 to 3999 by
// greedy subtraction, taking the largest value of the subtractive system that still fits.
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
