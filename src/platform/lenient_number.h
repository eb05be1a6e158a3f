#pragma once

#include <string>
#include <string_view>

// Counters, flags and card numbers are kept as caption text. They are read leniently:
// leading blanks skipped, an optional sign, then the digits up to the first other character;
// empty text, or text without digits (a numeral such as "XL"), is 0. Values beyond the int
// range stay at its limit.
int lenientNumber(std::string_view text);

// The text's number plus one, as plain decimal; the largest int stays where it is.
std::string raisedNumber(std::string_view text);
