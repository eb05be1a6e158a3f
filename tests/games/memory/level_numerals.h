#pragma once

#include "games/memory/memory_deal.h"

#include <QStringList>
#include <string>

// A level's numeral parts written out, entry d for pair digit d, to judge the tables by.
inline MemoryNumerals levelNumerals(char level)
{
    if (level == 'H')
        return {"", "C", "CC", "CCC", "CD", "D", "DC", "DCC", "DCCC", "CM"};
    if (level == 'Z')
        return {"", "X", "XX", "XXX", "XL", "L", "LX", "LXX", "LXXX", "XC"};
    return {"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX"};
}

// What the number card of pair digit d shows at the level: d ones, tens or hundreds.
inline std::string levelNumber(char level, int digit)
{
    return std::to_string(digit * (level == 'H' ? 100 : level == 'Z' ? 10 : 1));
}

// The 18 values a board of the level must hold, in a fixed order.
inline QStringList levelValues(char level)
{
    QStringList values;
    const MemoryNumerals numerals = levelNumerals(level);
    for (int k = 1; k <= 9; ++k) {
        values << QString::fromStdString(levelNumber(level, k));
        values << QString::fromStdString(numerals[static_cast<std::size_t>(k)]);
    }
    values.sort();
    return values;
}
