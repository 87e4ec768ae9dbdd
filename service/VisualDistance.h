// How different two renderings of the same picture look: the butteraugli distance of libjxl, a model of
// the eye made to tell where a viewer at 1:1 starts to see a change. Below 1.0 a viewer sees no
// difference; near 2.0 one that looks closely may notice some; past 3.0 the change is plain to see.
#pragma once

#include <QRect>

#include <vips/vips8>

class VisualDistance
{
public:
    // The largest distance over `inner` (the whole picture when empty) between two pictures of the same
    // size and bands, 8- or 16-bit sRGB or grey, with or without alpha. What lies outside `inner` is only
    // context, so that edges of a region measure as they do inside the whole picture. A picture with
    // alpha is seen over black and over white, and the worse of the two counts.
    static double between(const vips::VImage& reference, const vips::VImage& candidate, QRect inner = {});

    // The same over the whole of two pictures of any size, a tile at a time, each with context around
    // it, so that memory stays bounded (about 75 MB) and the figure is the whole picture's. Once a tile
    // is past `limit` the rest are not measured.
    static double everywhere(const vips::VImage& reference, const vips::VImage& candidate, double limit);
    static constexpr int kTile = 512;
    static constexpr int kContext = 16;

    // Working memory of one measure, in bytes per pixel of the region: the model holds many planes
    // of floats at several scales.
    static constexpr int kBytesPerPixel = 260;
};
