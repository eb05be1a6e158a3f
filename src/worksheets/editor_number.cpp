#include "worksheets/editor_number.h"

#include "numerals/numerals.h"

EditorNumber EditorNumber::fromEntry(std::string_view digits)
{
    EditorNumber number;
    number.padded = PadNumber(digits);
    number.numeral = ComposePadded(number.padded);
    return number;
}
