// AVIF (and HEIC) through libvips and libheif. Effort 3 is AV1 speed 6, as fast as the time budget of a
// companion allows (effort 4 saves a few percent more at three and a half times the time).
#pragma once

#include <QByteArray>

#include <optional>
#include <vips/vips8>

class AvifEncoder
{
public:
    static constexpr int kEffort = 3;
    // Lossy at `quality` (0 to 100), lossless without. Without `keepMetadata` nothing but the pixels
    // goes in: libvips would make up an EXIF block from the resolution even for a picture without one.
    static QByteArray encode(const vips::VImage& image, std::optional<int> quality, bool keepMetadata,
                             VipsForeignHeifCompression compression = VIPS_FOREIGN_HEIF_COMPRESSION_AV1);
};
