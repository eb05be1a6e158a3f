#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace bench
{

// Reading what the system says about itself: /proc/cpuinfo, /proc/meminfo, /proc/self/status
// and /etc/os-release. The readers take the file's text so they can be checked on samples.

// The processor's model name ("model name", or "Processor"/"Hardware" on ARM); "unknown".
std::string cpuModel(std::string_view cpuinfo);

// A "Key:   1234 kB" line of /proc/meminfo or /proc/self/status, in KiB.
std::optional<long> kibibytesOf(std::string_view text, std::string_view key);

// PRETTY_NAME of os-release without its quotes, else NAME, else "unknown".
std::string osName(std::string_view osRelease);

// The whole of a small text file; empty when it cannot be read.
std::string readTextFile(const char *path);

// This process's peak resident memory (VmHWM) in KiB, 0 when unknown.
long peakResidentKiB();

// Rows of "what" and "value" naming the machine, system, toolkit, compiler and date.
std::vector<std::pair<std::string, std::string>> describeMachine();

} // namespace bench
