#include "service/QualitySearch.h"

#include <algorithm>
#include <cmath>

std::optional<QualitySearch::Probe> QualitySearch::lowest(Range range, double limit,
                                                          const std::function<double(int)>& distanceAt, int maxProbes,
                                                          double slack)
{
    std::optional<Probe> good; // the lowest quality known to keep the limit
    std::optional<Probe> bad;  // the highest known not to
    int next = std::clamp(range.start, range.low, range.high);
    int lastStep = 0;
    for (int probes = 0; probes < maxProbes; ++probes) {
        const Probe probe{next, distanceAt(next)};
        if (probe.distance <= limit)
            good = probe;
        else
            bad = probe;
        if (good && good->distance >= limit * (1.0 - slack))
            break;
        const int floor = bad ? bad->quality + 1 : range.low;
        const int ceiling = good ? good->quality - 1 : range.high;
        if (floor > ceiling)
            break;
        // Distance falls roughly exponentially with quality: aim where the two probes' line meets the
        // limit; with one side known, step the way it points by an amount that grows with the miss.
        if (good && bad && good->distance > 0 && bad->distance > 0) {
            const double a = std::log(bad->distance);
            const double b = std::log(good->distance);
            const double t = (a - std::log(limit)) / (a - b);
            next = int(std::lround(bad->quality + t * (good->quality - bad->quality)));
        } else {
            // Each step on the same side twice the last, so a shallow encoder is not crept up on.
            const double miss = std::log(std::max(probe.distance, 1e-3) / limit);
            const int step = std::max({2, int(std::lround(std::abs(miss) * 15.0)), 2 * lastStep});
            lastStep = step;
            next = probe.distance <= limit ? probe.quality - step : probe.quality + step;
        }
        next = std::clamp(next, floor, ceiling);
    }
    return good;
}
