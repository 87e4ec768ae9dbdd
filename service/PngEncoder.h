// PNG at its smallest: the pixels go to PngWriter, which writes them in the narrowest form that holds
// them and tries each way of filtering the rows before deflating with libdeflate and zopfli. A palette
// (libimagequant) is one more way to write the pixels, for the caller to take only where the eye cannot
// tell (PngPalette chooses the colours). Pictures too large to be held several times over are written by libvips
// (libspng) as they stream.
#pragma once

#include <QByteArray>

#include <optional>
#include <vips/vips8>

class PngEncoder
{
public:
    // What zopfli may spend on a lossless picture's rows on one core: two seconds, and four more per
    // megapixel, six at most. Its full 15 iterations on a picture of a few hundred thousand pixels or a
    // palette, a few on an RGB picture of a megapixel, none on a photo of several (libdeflate's best
    // level comes within 1 % of zopfli there; on small and flat pictures zopfli saves 1 to 8 % more).
    static constexpr double kZopfliSeconds = 2.0;
    static constexpr double kZopfliSecondsPerMegapixel = 4.0;
    static constexpr double kZopfliMaxSeconds = 6.0;

    // Lossless: every pixel as it is, 8 or 16 bits. Only the metadata the picture carries goes in, and
    // none without `keepMetadata`. Without `thorough`, for a candidate that a lossy way will likely beat,
    // libdeflate alone and fewer ways of filtering.
    static QByteArray lossless(const vips::VImage& image, bool keepMetadata, bool thorough = true);
    // A picture of at most 256 colours (see PngPalette) at its smallest, with the metadata of `original`
    // where `keepMetadata`. libdeflate's best level without zopfli, which took two to three times as long
    // for under 1 % on the benchmark's palettes, where the levels that make them have half a second a
    // megapixel in all.
    static QByteArray palette(const vips::VImage& remapped, const vips::VImage& original, bool keepMetadata);

    // Above this many pixels the rows are written by libvips as they stream, with zlib's best level.
    static constexpr qint64 kWriterMaxPixels = 8'000'000;
};
