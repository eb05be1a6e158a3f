#pragma once

#include <string>
#include <vector>

// The plain text a worksheet is copied as: every line followed by CR LF, the last one too,
// and nothing else (no lines gives the empty text).
std::string clipboardText(const std::vector<std::string> &lines);

// The same lines as HTML, one preformatted block in a fixed-pitch font, so that a paste into
// a word processor or a mail keeps the columns. Worksheet lines hold only digits, numeral
// letters, blanks, "_" and "=", none of them special in HTML.
std::string clipboardHtml(const std::vector<std::string> &lines);
