#pragma once

#include <cstddef>
#include <string_view>

// An answer is acceptable while it occurs somewhere within the solution as a run of
// consecutive characters, case-sensitively; the empty answer always occurs.
bool IsAcceptableAnswer(std::string_view answer, std::string_view solution);

// The longest answer an answer box keeps: one character more empties it.
inline constexpr std::size_t LongestAnswer = 20;
