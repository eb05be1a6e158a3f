#include "platform/lenient_number.h"

#include <algorithm>
#include <cstdint>
#include <limits>

int lenientNumber(std::string_view text)
{
    constexpr std::int64_t largest = std::numeric_limits<int>::max();
    constexpr std::int64_t smallest = std::numeric_limits<int>::min();

    std::size_t at = text.find_first_not_of(" \t");
    if (at == std::string_view::npos)
        return 0;
    bool negative = false;
    if (text[at] == '+' || text[at] == '-') {
        negative = text[at] == '-';
        ++at;
    }
    std::int64_t value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        // Stop growing once past the range; the rest of the digits cannot bring it back.
        if (value <= largest + 1)
            value = value * 10 + (text[at] - '0');
    }
    if (negative)
        return static_cast<int>(std::max(-value, smallest));
    return static_cast<int>(std::min(value, largest));
}

std::string raisedNumber(std::string_view text)
{
    const int count = lenientNumber(text);
    return std::to_string(count == std::numeric_limits<int>::max() ? count : count + 1);
}
