#pragma once

#include <QDateTime>
#include <optional>

// The program's one clock: the current year and the time of day. Tests set it to a fixed
// moment so that the year and every reseeded draw are known.
class Clock
{
public:
    static int currentYear();
    static double secondsSinceMidnight();

    static void setFixed(const QDateTime &moment);
    static void setSystem();

private:
    static QDateTime now();
    static std::optional<QDateTime> fixed;
};

// Reseeds the program's generator from the time of day, as every drawing procedure does first.
void reseedFromClock();
