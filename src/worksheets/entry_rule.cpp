#include "worksheets/entry_rule.h"

#include <cassert>

static bool isDigit(char character)
{
    return character >= '0' && character <= '9';
}

std::string keepDigits(std::string_view text)
{
    std::string digits;
    for (char character : text) {
        if (isDigit(character))
            digits += character;
    }
    return digits;
}

std::size_t lengthBelowLimit(std::string_view digits)
{
    int value = 0;
    for (std::size_t length = 0; length < digits.size(); ++length) {
        assert(isDigit(digits[length]));
        value = value * 10 + (digits[length] - '0');
        if (value >= EntryLimit)
            return length;
    }
    return digits.size();
}

bool reachesLimit(std::string_view digits)
{
    return lengthBelowLimit(digits) < digits.size();
}
