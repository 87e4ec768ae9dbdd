// The parts of a picture that stand for all of it when its quality is measured: measuring a whole large
// picture several times over would cost more time and memory than encoding it. A small picture is its
// own sample; a larger one is cut into tiles, of which a few of each kind are kept: those where a quick
// trial encode went most visibly wrong (its error against how busy the tile is, since detail hides
// error), the strongest colour edges (where chroma subsampling shows), and tiles from flat to busy.
#pragma once

#include <QList>
#include <QRect>

#include <functional>
#include <vips/vips8>

class TileSample
{
public:
    struct Region
    {
        QRect area;  // what is encoded and measured: the tile and some context around it
        QRect inner; // the tile, in the coordinates of `area`: where the distance counts
        // One of the tiles spread evenly from the flattest to the busiest: together they stand for the
        // whole picture in what it costs to encode, where the others are its hardest parts.
        bool representative = false;
    };

    static constexpr int kTile = 256;
    static constexpr int kMargin = 16;  // a whole number of JPEG's largest blocks, so blocks line up
    static constexpr int kMinTiles = 8; // up to this many tiles' worth of pixels, the whole picture is measured
    static constexpr int kMaxTiles = 32;
    static constexpr int kShare = 10; // otherwise about one pixel in this many is measured

    // `trial` gives the picture after a quick lossy encode at about the quality sought; it is asked for
    // only when the picture is large enough to be sampled.
    static QList<Region> of(const vips::VImage& image, const std::function<vips::VImage()>& trial);
    // Pixels measured at most, the context around tiles included.
    static qint64 maxPixels();
};
