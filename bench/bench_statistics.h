#pragma once

#include <cstddef>
#include <vector>

namespace bench
{

// What the tables report of a set of timings (or sizes): the middle, the spread and the worst.
struct Summary {
    std::size_t count = 0;
    double minimum = 0;
    double lowerQuartile = 0;
    double median = 0;
    double upperQuartile = 0;
    double ninetieth = 0;
    double maximum = 0;
};

// The q-quantile (0 <= q <= 1) of ascending samples, interpolated linearly between the two
// neighbouring ranks; 0 for no samples.
double quantile(const std::vector<double> &ascending, double q);

// Summarises samples in any order; all zero for no samples.
Summary summarise(std::vector<double> samples);

} // namespace bench
