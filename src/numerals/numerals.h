#pragma once

#include <array>
#include <string>
#include <string_view>

// The four tables of numeral parts: entry d is the part for digit d, entry 0 is empty.
// They are the only rule for Roman numerals in the program.
inline constexpr std::array<std::string_view, 4> Thousands = {"", "M", "MM", "MMM"};
inline constexpr std::array<std::string_view, 10> Hundreds = {"",  "C",  "CC",  "CCC",  "CD",
                                                              "D", "DC", "DCC", "DCCC", "CM"};
inline constexpr std::array<std::string_view, 10> Tens = {"",  "X",  "XX",  "XXX",  "XL",
                                                          "L", "LX", "LXX", "LXXX", "XC"};
inline constexpr std::array<std::string_view, 10> Ones = {"",  "I",  "II",  "III",  "IV",
                                                          "V", "VI", "VII", "VIII", "IX"};

// A text right-aligned in exactly four characters: four spaces put in front, then cut to
// the last four characters ("7" gives "   7", "00012" gives "0012").
std::string PadNumber(std::string_view digits);

// The numeral of a four-character padded number: its characters are the thousands,
// hundreds, tens and ones digit, a space counting as 0.
std::string ComposePadded(std::string_view padded);

// The numeral of a number from 0 to 3999 (empty for 0).
std::string ComposeNumeral(int number);

// The display form: one space, then every character followed by one space.
std::string SpaceOut(std::string_view text);

// The display form of a number: SpaceOut of its decimal digits with one space in front,
// so three spaces, then each digit followed by a space ("   7 ", "   1 9 9 4 ").
std::string SpaceOutNumber(int number);

// The greeting shown in the work area until the first exercise, with CR LF line breaks.
std::string IntroductionText();
