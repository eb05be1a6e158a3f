#pragma once

#include <array>
#include <string>
#include <string_view>

// The three worksheets the editor builds from its numbers.
enum class WorksheetKind {
    Reading,  // numerals to be read, blanks for the numbers
    Writing,  // numbers, blanks for the numerals
    Solution, // numbers with their numerals
};

inline constexpr std::array<WorksheetKind, 3> WorksheetKinds = {
    WorksheetKind::Reading, WorksheetKind::Writing, WorksheetKind::Solution};

// The heading that names the worksheet ("Leseblatt:", ...); the editor keeps the current
// kind in it, so it is also how the kind is read back.
std::string_view worksheetCaption(WorksheetKind kind);

// The worksheet's line for one number, from its padded form and its numeral.
std::string worksheetLine(WorksheetKind kind, std::string_view padded, std::string_view numeral);
