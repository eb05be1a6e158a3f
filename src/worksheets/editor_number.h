#pragma once

#include <string>
#include <string_view>

// A number as the worksheet editor keeps it: the entry right-aligned in exactly four
// characters (leading zeros stay, longer entries lose characters at the left) and the
// numeral of that padded form (empty for 0).
struct EditorNumber {
    std::string padded;
    std::string numeral;

    // From the digits of the number entry, which are never empty and stay below 4000.
    static EditorNumber fromEntry(std::string_view digits);
};
