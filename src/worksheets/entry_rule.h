#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The number entry of the worksheet editor holds only digits, and the number they form stays
// below this.
inline constexpr int EntryLimit = 4000;

// The characters "0" to "9" of a text (UTF-8), in their order; everything else is dropped.
std::string keepDigits(std::string_view text);

// How many leading digits of a digit string form a number below the limit. Appending a digit
// never makes a number smaller, so every digit past this length is one that the limit drops.
// Any length is fine: the value is never built beyond five digits, so nothing overflows.
std::size_t lengthBelowLimit(std::string_view digits);

// Whether the number formed by a digit string is the limit or more (the empty string is 0).
bool reachesLimit(std::string_view digits);
