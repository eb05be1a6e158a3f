#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bench
{

// The measured part of docs/performance.md lies between these two lines; a new run replaces
// it and keeps whatever was written around it.
inline constexpr std::string_view MeasuredBegin = "<!-- measured by zahlzeichen_bench: begin -->";
inline constexpr std::string_view MeasuredEnd = "<!-- measured by zahlzeichen_bench: end -->";

// The document with its measured part replaced by block; a document without the two lines
// gets them, with the block, at its end. Nothing when only one of them, or the end before
// the begin, is found: rewriting would lose text.
std::optional<std::string> withMeasuredBlock(std::string_view document, std::string_view block);

// A Markdown table; rows shorter than the header are padded with empty cells.
std::string markdownTable(const std::vector<std::string> &header,
                          const std::vector<std::vector<std::string>> &rows);

// "0.042 ms", "4.512 ms", "45.12 ms", "145.1 ms": about four significant digits.
std::string milliseconds(double value);

// "41.3 MiB" from KiB.
std::string mebibytes(double kibibytes);

// "1.07 ×".
std::string ratio(double value);

} // namespace bench
