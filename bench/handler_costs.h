#pragma once

#include <string>
#include <vector>

namespace bench
{

// The cost of the program's handlers, measured in this process on the offscreen platform by
// calling them on real windows built the way the program builds them.
struct HandlerCost {
    std::string what;
    std::vector<double> milliseconds;    // wall clock
    std::vector<double> cpuMilliseconds; // CPU time of the user-interface thread
    double aimMilliseconds = 0; // the wall-clock median must stay below it; 0: for information
    std::string note;
};

struct HandlerRepetitions {
    int light = 1000;  // handlers that touch a few controls
    int editor = 200;  // handlers that rebuild or copy a 1,000-line worksheet
    int openings = 40; // first opening of a game: each needs a fresh main window
};

std::vector<HandlerCost> measureHandlerCosts(const HandlerRepetitions &repetitions);

} // namespace bench
