#include "worksheets/clipboard_text.h"

std::string clipboardText(const std::vector<std::string> &lines)
{
    std::string text;
    for (const std::string &line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}
