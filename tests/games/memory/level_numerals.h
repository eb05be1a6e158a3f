#pragma once

#include "games/memory/memory_deal.h"
#include "numerals/numerals.h"

#include <QStringList>

// The numeral list of a level, taken straight from the numeral tables.
inline MemoryNumerals levelNumerals(char level)
{
    const auto &table = level == 'H' ? Hundreds : level == 'Z' ? Tens : Ones;
    MemoryNumerals numerals;
    for (std::size_t d = 0; d < table.size(); ++d)
        numerals[d] = std::string(table[d]);
    return numerals;
}

// The 18 values a board of the level must hold, in a fixed order.
inline QStringList levelValues(char level)
{
    QStringList values;
    const MemoryNumerals numerals = levelNumerals(level);
    for (int k = 1; k <= 9; ++k) {
        values << QString::number(k) + QString::fromStdString(std::string(numberSuffix(level)));
        values << QString::fromStdString(numerals[static_cast<std::size_t>(k)]);
    }
    values.sort();
    return values;
}
