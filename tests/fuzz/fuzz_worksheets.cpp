// Worksheets from any numbers the editor can collect: every line has its length and only the
// characters of a worksheet, and the clipboard text is the lines, each ended by CR LF.
// The input is split at line feeds; each piece is typed into the number entry and added.

#include "fuzz_support.h"
#include "worksheets/clipboard_text.h"
#include "worksheets/editor_number.h"
#include "worksheets/entry_rule.h"
#include "worksheets/worksheet_kind.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace
{

constexpr std::string_view WorksheetCharacters = "0123456789 _=IVXLCDM";

// What the number entry holds after the text was typed into it.
std::string entryAfterTyping(std::string_view text)
{
    std::string digits = keepDigits(text);
    digits.resize(lengthBelowLimit(digits));
    return digits;
}

void checkNumber(std::string_view entry, const EditorNumber &number)
{
    require(number.padded.size() == 4, "the padded number has four characters");
    require(("    " + std::string(entry)).ends_with(number.padded),
            "the padded number is the entry right-aligned in four characters");
    const std::size_t firstDigit = number.padded.find_first_not_of(' ');
    require(firstDigit != std::string::npos &&
                onlyCharactersOf(std::string_view(number.padded).substr(firstDigit), DecimalDigits),
            "the padded number is blanks, then digits");
    const auto value = static_cast<int>(cappedValue(entry, EntryLimit));
    require(number.numeral == greedyNumeral(value),
            "the numeral is that of the entry's value, leading zeros cut or not");
}

std::size_t expectedLength(WorksheetKind kind, const EditorNumber &number)
{
    switch (kind) {
    case WorksheetKind::Reading:
        return 11 + number.numeral.size();
    case WorksheetKind::Writing:
        return 27;
    case WorksheetKind::Solution:
        break;
    }
    return 7 + number.numeral.size();
}

void checkClipboardText(const std::vector<std::string> &lines)
{
    const std::string text = clipboardText(lines);
    std::vector<std::string> copied;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        require(end != std::string::npos, "the clipboard text ends with CR LF");
        copied.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    require(copied == lines, "the clipboard text is the lines, each followed by CR LF");
    require(text.find_first_not_of(std::string(WorksheetCharacters) + "\r\n") == std::string::npos,
            "the clipboard text holds only worksheet characters and line ends");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char *>(data), size);

    std::vector<EditorNumber> numbers;
    for (;;) {
        const std::size_t end = input.find('\n');
        const std::string entry = entryAfterTyping(input.substr(0, end));
        // An empty entry adds nothing.
        if (!entry.empty()) {
            numbers.push_back(EditorNumber::fromEntry(entry));
            checkNumber(entry, numbers.back());
        }
        if (end == std::string_view::npos)
            break;
        input.remove_prefix(end + 1);
    }

    for (WorksheetKind kind : WorksheetKinds) {
        std::vector<std::string> lines;
        for (const EditorNumber &number : numbers) {
            lines.push_back(worksheetLine(kind, number.padded, number.numeral));
            require(lines.back().size() == expectedLength(kind, number),
                    "a worksheet line has the length of its kind");
            require(onlyCharactersOf(lines.back(), WorksheetCharacters),
                    "a worksheet line holds only digits, blanks, '_', '=' and numeral letters");
        }
        checkClipboardText(lines);
    }
    return 0;
}
