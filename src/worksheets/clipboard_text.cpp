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

std::string clipboardHtml(const std::vector<std::string> &lines)
{
    std::string html = "<pre style=\"font-family: 'Courier New', 'Liberation Mono', monospace\">";
    for (std::size_t row = 0; row < lines.size(); ++row) {
        if (row > 0)
            html += '\n';
        html += lines[row];
    }
    return html + "</pre>";
}
