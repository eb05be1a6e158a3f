#include "performance_report.h"

#include <cstdio>

namespace bench
{

std::optional<std::string> withMeasuredBlock(std::string_view document, std::string_view block)
{
    const std::size_t begin = document.find(MeasuredBegin);
    const std::size_t end = document.find(MeasuredEnd);
    std::string result;
    if (begin == std::string_view::npos && end == std::string_view::npos) {
        result = document;
        if (!result.empty() && result.back() != '\n')
            result += '\n';
        if (!result.empty())
            result += '\n';
        result += MeasuredBegin;
        result += '\n';
        result += block;
        result += MeasuredEnd;
        result += '\n';
        return result;
    }
    if (begin == std::string_view::npos || end == std::string_view::npos || end < begin)
        return std::nullopt;
    result = document.substr(0, begin + MeasuredBegin.size());
    result += '\n';
    result += block;
    result += document.substr(end);
    return result;
}

std::string markdownTable(const std::vector<std::string> &header,
                          const std::vector<std::vector<std::string>> &rows)
{
    const auto line = [&header](const std::vector<std::string> &cells) {
        std::string text = "|";
        for (std::size_t i = 0; i < header.size(); ++i) {
            text += ' ';
            text += i < cells.size() ? cells[i] : std::string();
            text += " |";
        }
        return text + '\n';
    };
    std::string table = line(header);
    table += line(std::vector<std::string>(header.size(), "---"));
    for (const auto &row : rows)
        table += line(row);
    return table;
}

namespace
{

std::string formatted(const char *format, double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

} // namespace

std::string milliseconds(double value)
{
    if (value < 10)
        return formatted("%.3f ms", value);
    if (value < 100)
        return formatted("%.2f ms", value);
    return formatted("%.1f ms", value);
}

std::string mebibytes(double kibibytes)
{
    return formatted("%.1f MiB", kibibytes / 1024);
}

std::string ratio(double value)
{
    return formatted("%.2f ×", value);
}

} // namespace bench
