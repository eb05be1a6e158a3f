// Counters read back from captions: any text gives the number its leading digits form,
// clamped to the int range, and raising it gives plain decimal text one higher.

#include "fuzz_support.h"
#include "platform/lenient_number.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace
{

// Digits are compared as text, so that no arithmetic can overflow on the way.
long long expectedNumber(std::string_view text)
{
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return 0;
    text.remove_prefix(start);
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+'))
        text.remove_prefix(1);
    std::string_view digits = text.substr(0, text.find_first_not_of(DecimalDigits));
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    constexpr long long largest = std::numeric_limits<int>::max();
    constexpr long long smallest = std::numeric_limits<int>::min();
    if (digits.size() > 10)
        return negative ? smallest : largest;
    const long long magnitude = digits.empty() ? 0 : std::stoll(std::string(digits));
    return negative ? std::max(-magnitude, smallest) : std::min(magnitude, largest);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);

    const int number = lenientNumber(text);
    require(number == expectedNumber(text), "lenientNumber reads the leading digits, clamped");

    const std::string raised = raisedNumber(text);
    const std::string_view magnitude = std::string_view(raised).substr(raised.starts_with('-'));
    require(!magnitude.empty() && onlyCharactersOf(magnitude, DecimalDigits) &&
                (magnitude.size() == 1 || magnitude.front() != '0'),
            "raisedNumber writes plain decimal text");
    const int expected = number == std::numeric_limits<int>::max() ? number : number + 1;
    require(lenientNumber(raised) == expected, "raisedNumber is one higher, up to the largest int");
    return 0;
}
