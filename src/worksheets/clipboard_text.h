#pragma once

#include <string>
#include <vector>

// The plain text a worksheet is copied as: every line followed by CR LF, the last one too,
// and nothing else (no lines gives the empty text).
std::string clipboardText(const std::vector<std::string> &lines);
