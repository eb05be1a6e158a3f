#pragma once

#include "startup_probe.h"

#include <vector>

namespace bench
{

// Start-up of the main window and of the bare window on one platform, the two measured in
// turn (main first in even rounds, bare first in odd ones) so that a drift of the machine
// weighs on both alike.
struct StartupSeries {
    QString platform;
    std::vector<StartupSample> mainWindow;
    std::vector<StartupSample> bareWindow;
    QString failure; // why the series stopped early, empty when it ran through
};

// Runs program (the benchmark itself) as probe children with QT_QPA_PLATFORM=platform;
// warmUps rounds first, which are not kept.
StartupSeries measureStartup(const QString &program, const QString &platform,
                             const BareWindowShape &bare, int rounds, int warmUps);

} // namespace bench
