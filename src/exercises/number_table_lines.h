#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

// One text printed into the number table, placed by its left edge and top edge in twips.
struct PrintedLine {
    int x = 0;
    int y = 0;
    std::string text;

    bool operator==(const PrintedLine &) const = default;
};

using NumeralTable = std::span<const std::string_view>;

// The number table, column after column: for thousands, hundreds, tens and ones first the
// table's parts 1 to n - 1, then their values ("= 400"); line i stands at 250 * i - 200.
std::vector<PrintedLine> NumberTableLines(NumeralTable thousands, NumeralTable hundreds,
                                          NumeralTable tens, NumeralTable ones);

// The same for the program's four numeral tables.
std::vector<PrintedLine> NumberTableLines();
