// The numeral rules on every number they are given and on every digit string the editor can
// pass (leading zeros, value below 4000), and the spaced display form of any text.

#include "fuzz_support.h"
#include "numerals/numerals.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    const int number = provider.ConsumeIntegralInRange(0, 3999);
    const auto leadingZeros = provider.ConsumeIntegralInRange<std::size_t>(0, 8);
    const std::string text = provider.ConsumeRemainingBytesAsString();

    const std::string numeral = ComposeNumeral(number);
    require(numeral == greedyNumeral(number), "ComposeNumeral agrees with greedy subtraction");
    require(onlyCharactersOf(numeral, NumeralLetters) && numeral.size() <= 15,
            "a numeral is at most 15 numeral letters");

    const std::string entry = std::string(leadingZeros, '0') + std::to_string(number);
    const std::string padded = PadNumber(entry);
    require(padded.size() == 4, "PadNumber gives four characters");
    require(ComposePadded(padded) == numeral,
            "leading zeros, cut or kept, do not change the numeral");

    const std::string paddedText = PadNumber(text);
    require(paddedText.size() == 4 && ("    " + text).ends_with(paddedText),
            "PadNumber of any text is its last four characters after four blanks");

    const std::string spaced = SpaceOut(text);
    require(spaced.size() == 2 * text.size() + 1, "SpaceOut of k characters has 2k + 1");
    for (std::size_t at = 0; at < spaced.size(); ++at) {
        const char expected = at % 2 == 0 ? ' ' : text[at / 2];
        require(spaced[at] == expected, "SpaceOut puts a blank first and after every character");
    }
    return 0;
}
