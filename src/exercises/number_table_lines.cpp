#include "exercises/number_table_lines.h"

#include "numerals/numerals.h"

#include <array>

namespace
{

struct Column {
    NumeralTable table;
    int numeralX;
    int valueX;
    std::string_view zeros;
};

constexpr int firstTop = -200;
constexpr int lineStep = 250;

} // namespace

std::vector<PrintedLine> NumberTableLines(NumeralTable thousands, NumeralTable hundreds,
                                          NumeralTable tens, NumeralTable ones)
{
    const std::array<Column, 4> columns = {{{thousands, 480, 980, "000"},
                                            {hundreds, 2520, 3120, "00"},
                                            {tens, 4560, 5160, "0"},
                                            {ones, 6600, 7000, ""}}};
    std::vector<PrintedLine> lines;
    for (const Column &column : columns) {
        int y = firstTop;
        for (std::size_t i = 1; i < column.table.size(); ++i) {
            y += lineStep;
            lines.push_back({column.numeralX, y, std::string(column.table[i])});
        }
        y = firstTop;
        for (std::size_t i = 1; i < column.table.size(); ++i) {
            y += lineStep;
            lines.push_back(
                {column.valueX, y, "= " + std::to_string(i) + std::string(column.zeros)});
        }
    }
    return lines;
}

std::vector<PrintedLine> NumberTableLines()
{
    return NumberTableLines(Thousands, Hundreds, Tens, Ones);
}
