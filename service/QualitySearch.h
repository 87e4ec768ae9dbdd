// The lowest setting of an encoder that keeps a picture within a visual distance: a search over the
// encoder's quality scale that takes the distance to fall as the quality rises, and spends as few
// encodes as it can. Each probe is an encode and a measure, which cost far more than the search.
#pragma once

#include <functional>
#include <optional>

class QualitySearch
{
public:
    struct Probe
    {
        int quality = 0;
        double distance = 0;
    };

    struct Range
    {
        int low;   // the lowest quality worth trying
        int high;  // the highest allowed
        int start; // the first guess: where this kind of picture usually lands
    };

    // The lowest quality in the range whose distance is at most `limit`, with its distance; nothing when
    // even the highest is too far. Stops early once a good probe lies within `slack` of the limit
    // (a share: 0.05 is 5 %), or after `maxProbes`.
    static std::optional<Probe> lowest(Range range, double limit, const std::function<double(int)>& distanceAt,
                                       int maxProbes = 6, double slack = 0.06);
};
