#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace bench
{

// Start-up is measured in child processes of the benchmark, each building one window the way
// the program does and reporting, after the window's first paint, the time since the parent
// started it and the peak resident memory. The command line of a child is the benchmark's
// own; the program itself takes none.

enum class ProbeWindow {
    MainWindow, // Form1, exactly as the program's main() builds and shows it
    BareWindow, // a plain QWidget of the same size with as many labels as Form1 shows
};

struct BareWindowShape {
    QSize size;
    int labels = 0;
};

struct StartupSample {
    double milliseconds = 0;    // wall clock, from the start of the child to its first paint
    long peakKiB = 0;           // peak resident memory then
    double cpuMilliseconds = 0; // CPU time the child had used by then, all its threads
};

// A steady clock shared by parent and child: nanoseconds since boot.
std::int64_t monotonicNanoseconds();

// The child's command line for one window, started at startNanoseconds.
QStringList probeArguments(ProbeWindow window, const BareWindowShape &bare,
                           std::int64_t startNanoseconds);

// True when the command line asks for a probe; the child then runs runStartupProbe.
bool isProbeCommandLine(int argc, char **argv);
int runStartupProbe(int argc, char **argv);

// The child's report, "startup <nanoseconds> <peak KiB> <CPU microseconds>", read back by the
// parent.
QString probeReport(std::int64_t elapsedNanoseconds, long peakKiB, long cpuMicroseconds);
std::optional<StartupSample> parseProbeReport(const QString &output);

} // namespace bench
