#include "bench_statistics.h"

#include <algorithm>
#include <cmath>

namespace bench
{

double quantile(const std::vector<double> &ascending, double q)
{
    if (ascending.empty())
        return 0;
    const double rank = std::clamp(q, 0.0, 1.0) * static_cast<double>(ascending.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(rank));
    const std::size_t above = std::min(below + 1, ascending.size() - 1);
    const double weight = rank - static_cast<double>(below);
    return ascending[below] + weight * (ascending[above] - ascending[below]);
}

Summary summarise(std::vector<double> samples)
{
    Summary summary;
    if (samples.empty())
        return summary;
    std::sort(samples.begin(), samples.end());
    summary.count = samples.size();
    summary.minimum = samples.front();
    summary.lowerQuartile = quantile(samples, 0.25);
    summary.median = quantile(samples, 0.5);
    summary.upperQuartile = quantile(samples, 0.75);
    summary.ninetieth = quantile(samples, 0.9);
    summary.maximum = samples.back();
    return summary;
}

} // namespace bench
