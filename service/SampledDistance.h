// The visual distance of an encoder's work on a picture, measured on the picture's sample of tiles: each
// tile is encoded on its own, decoded, and compared with the original tile. Holds the original tiles,
// a few megapixels at most whatever the size of the picture.
#pragma once

#include "service/TileSample.h"

#include <QByteArray>
#include <QList>

#include <functional>
#include <optional>
#include <vips/vips8>

class SampledDistance
{
public:
    // Encodes a tile and decodes the result: what a viewer would see of it.
    using RoundTrip = std::function<vips::VImage(const vips::VImage& tile)>;

    // `trial`: as for TileSample.
    SampledDistance(const vips::VImage& pixels, const std::function<vips::VImage()>& trial);

    // The largest distance over the tiles. Once a tile is past `limit` the rest are not measured, since the
    // answer is then only "too far" (the value returned is at least that tile's).
    double measure(const RoundTrip& roundTrip, double limit);
    // The same for an encoder whose files can be told apart, with what the whole picture would take in
    // it, from the tiles that stand for it (see TileSample), once they have all been measured.
    struct Measure
    {
        double distance = 0;
        std::optional<qint64> wholeBytes;
    };
    Measure measureFiles(const std::function<QByteArray(const vips::VImage& tile)>& encode, double limit);
    // The same for an encoder that must see the whole picture (a palette is chosen for all of it): its
    // decoded result, cut into the same tiles.
    double measureWhole(const vips::VImage& decoded, double limit);
    // The bytes a tile encoder spent on the sample, for choosing between two ways that both keep a limit.
    qint64 bytes(const std::function<qint64(const vips::VImage& tile)>& encodedSize) const;
    // What the whole picture would take in an encoder, from the tiles that stand for it.
    qint64 wholeBytes(const std::function<qint64(const vips::VImage& tile)>& encodedSize) const;

    qint64 pixels() const { return m_pixels; }
    // Whether the sample is the whole picture, so that what it measures is the picture's own distance.
    bool isWhole() const { return m_whole; }

private:
    struct Tile
    {
        vips::VImage reference;
        QRect area;
        QRect inner;
        bool representative;
    };
    QList<Tile> m_tiles;
    qint64 m_pixels = 0;
    qint64 m_representativePixels = 0;
    qint64 m_wholePixels = 0;
    bool m_whole = false;
};
