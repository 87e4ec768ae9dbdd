// PNG at its smallest: libvips (libspng) writes the rows with its adaptive choice of filter per row,
// then the compressed stream is deflated again with zopfli, which finds a few percent that zlib's
// best level leaves. A palette (libimagequant) is one more way to write the pixels, for the caller to
// take only where the eye cannot tell.
#pragma once

#include <QByteArray>

#include <optional>
#include <vips/vips8>

class PngEncoder
{
public:
    // Lossless: every pixel as it is, 8 or 16 bits.
    static QByteArray lossless(const vips::VImage& image);
    // At most 256 colours chosen for the picture, at libimagequant's `quality` (0 to 100) and with
    // `dither` (0 to 1); nothing when the picture needs more colours than that quality allows.
    // A probe of the quality search needs only the pixels and skips zopfli (`smallest` false).
    static std::optional<QByteArray> palette(const vips::VImage& image, int quality, double dither,
                                             bool smallest = true);

    // Above this many bytes of rows (about 0.7 megapixels of RGB), zopfli would take longer than the
    // time budget of a picture and zlib's own result stays.
    static constexpr qint64 kZopfliMaxBytes = 2 * 1024 * 1024;
};
