#include "games/pairs/numeral_order.h"

#include <algorithm>

bool numeralComesBefore(std::string_view first, std::string_view second)
{
    // Compared as unsigned bytes, so the rule cannot depend on the signedness of char.
    return std::lexicographical_compare(
        first.begin(), first.end(), second.begin(), second.end(), [](char left, char right) {
            return static_cast<unsigned char>(left) < static_cast<unsigned char>(right);
        });
}

std::size_t sortedPlace(const std::vector<std::string> &sorted, std::string_view numeral)
{
    const auto place = std::upper_bound(sorted.begin(), sorted.end(), numeral,
                                        [](std::string_view entry, const std::string &other) {
                                            return numeralComesBefore(entry, other);
                                        });
    return static_cast<std::size_t>(place - sorted.begin());
}
