// The editor's number entry on any text, typed or pasted: what stays holds only the digits of
// the text, in their order, and is cut exactly where its value would reach the limit.

#include "fuzz_support.h"
#include "worksheets/entry_rule.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);

    const std::string digits = keepDigits(text);
    std::string expected;
    for (char character : text) {
        if (DecimalDigits.find(character) != std::string_view::npos)
            expected += character;
    }
    require(digits == expected, "keepDigits keeps exactly the digits, in their order");

    const std::size_t allowed = lengthBelowLimit(digits);
    require(allowed <= digits.size(), "cutting at the limit never grows the text");
    const std::string kept = digits.substr(0, allowed);
    require(cappedValue(kept, EntryLimit) < EntryLimit, "the kept digits stay below the limit");
    if (allowed < digits.size()) {
        require(cappedValue(std::string_view(digits).substr(0, allowed + 1), EntryLimit) ==
                    EntryLimit,
                "only digits past the limit are cut");
    }
    require(reachesLimit(digits) == (cappedValue(digits, EntryLimit) == EntryLimit),
            "reachesLimit tells whether the value is the limit or more");

    // The editor drops the last digit once per message until the value is below the limit;
    // that must end where cutting at once does.
    std::string stepwise = digits;
    while (reachesLimit(stepwise))
        stepwise.pop_back();
    require(stepwise == kept, "dropping digit by digit ends where the cut does");

    // Setting the kept text runs the rule again, which must leave it as it is.
    require(keepDigits(kept) == kept && !reachesLimit(kept), "the kept text passes unchanged");
    return 0;
}
