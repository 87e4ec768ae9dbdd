// Where a candidate looks most unlike its original: its error against the detail around it, which hides
// error, taken on copies four times smaller so that finding the places costs a little of what measuring
// them does. A candidate that fails the eye in one of them fails it on the whole picture, so a search can
// turn away a clearly failing candidate before measuring all of it, and a sampled picture adds the places
// its candidate went most wrong to the tiles chosen before any candidate was made.
#pragma once

#include "service/TileSample.h"

#include <QList>

#include <vips/vips8>

class ErrorRegions
{
public:
    static constexpr int kCell = 64;
    static constexpr int kMargin = 24; // context around a cell, so that its edges measure as in the whole

    // Up to `count` cells of the picture, the most visibly wrong first, with their context. The two
    // pictures have the same size and bands; the candidate is 8-bit.
    static QList<TileSample::Region> of(const vips::VImage& reference, const vips::VImage& candidate, int count);

    // The largest distance over `regions`; once one is past `limit` the rest are not measured.
    static double distance(const vips::VImage& reference, const vips::VImage& candidate,
                           const QList<TileSample::Region>& regions, double limit);
};
