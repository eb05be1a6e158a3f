#include "machine_facts.h"

#include <QDateTime>
#include <QtGlobal>
#include <fstream>
#include <sstream>
#include <sys/utsname.h>
#include <unistd.h>

namespace bench
{

namespace
{

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// The value of the first "key<blanks>:<value>" line (cpuinfo style) or "key=value" line
// (os-release style) whose key is exactly the one asked for.
std::optional<std::string_view> valueOf(std::string_view text, std::string_view key, char separator)
{
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const std::size_t split = line.find(separator);
        if (split != std::string_view::npos && trimmed(line.substr(0, split)) == key)
            return trimmed(line.substr(split + 1));
    }
    return std::nullopt;
}

std::string unquoted(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

std::string compilerName()
{
#if defined(__clang__)
    return "Clang " __clang_version__;
#elif defined(__GNUC__)
    return "GCC " __VERSION__;
#else
    return "unknown";
#endif
}

} // namespace

std::string cpuModel(std::string_view cpuinfo)
{
    for (const std::string_view key : {"model name", "Processor", "Hardware", "cpu model"}) {
        if (const auto value = valueOf(cpuinfo, key, ':'); value && !value->empty())
            return std::string(*value);
    }
    return "unknown";
}

std::optional<long> kibibytesOf(std::string_view text, std::string_view key)
{
    const auto value = valueOf(text, key, ':');
    if (!value)
        return std::nullopt;
    long amount = 0;
    std::size_t digits = 0;
    for (const char c : *value) {
        if (c < '0' || c > '9')
            break;
        amount = amount * 10 + (c - '0');
        ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    return amount;
}

std::string osName(std::string_view osRelease)
{
    for (const std::string_view key : {"PRETTY_NAME", "NAME"}) {
        if (const auto value = valueOf(osRelease, key, '='); value && !value->empty())
            return unquoted(*value);
    }
    return "unknown";
}

std::string readTextFile(const char *path)
{
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

long peakResidentKiB()
{
    return kibibytesOf(readTextFile("/proc/self/status"), "VmHWM").value_or(0);
}

std::vector<std::pair<std::string, std::string>> describeMachine()
{
    std::vector<std::pair<std::string, std::string>> rows;
    rows.emplace_back("CPU", cpuModel(readTextFile("/proc/cpuinfo")));
    rows.emplace_back("Logical cores", std::to_string(sysconf(_SC_NPROCESSORS_ONLN)));
    const auto memory = kibibytesOf(readTextFile("/proc/meminfo"), "MemTotal");
    rows.emplace_back("Memory", memory ? std::to_string(*memory / 1024) + " MiB" : "unknown");
    std::string system = osName(readTextFile("/etc/os-release"));
    utsname kernel{};
    if (uname(&kernel) == 0)
        system += std::string(", ") + kernel.sysname + ' ' + kernel.release + ' ' + kernel.machine;
    rows.emplace_back("OS", system);
    rows.emplace_back("Qt", std::string(qVersion()) + " (built against " QT_VERSION_STR ")");
    rows.emplace_back("Compiler", compilerName());
    rows.emplace_back("Build type", ZAHLZEICHEN_BENCH_BUILD_TYPE);
    rows.emplace_back("Date", QDateTime::currentDateTime().toString(Qt::ISODate).toStdString());
    return rows;
}

} // namespace bench
