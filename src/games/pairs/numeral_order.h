#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The order of the sorted numeral list: character by character in plain character order,
// which ranks the letters C, D, I, L, M, V, X; a numeral that begins a longer one comes
// first. Nothing locale-aware takes part, so the order is the same on every desktop.
bool numeralComesBefore(std::string_view first, std::string_view second);

// The index at which a numeral goes into a list that is already in that order: behind
// any equal entries, so equal numerals stand side by side.
std::size_t sortedPlace(const std::vector<std::string> &sorted, std::string_view numeral);
