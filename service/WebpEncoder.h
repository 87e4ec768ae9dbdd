// WebP at libwebp's highest effort (method 6), which costs little next to measuring. Without metadata,
// an 8-bit RGB or RGBA picture goes to libwebp straight from its pixels, in bands of rows: libvips would
// first copy all of it into RGBA, and its sharp conversion to YUV would hold planes of the whole picture.
// Otherwise through libvips, which in 8.14 writes an EXIF chunk into every WebP, made up from the
// picture's resolution when it has none, and ignores `strip`; the chunks are taken out again with
// libwebp's muxer where they may not go.
#pragma once

#include <QByteArray>

#include <optional>
#include <vips/vips8>

class WebpEncoder
{
public:
    static constexpr int kEffort = 6;
    enum class Mode
    {
        Lossy,        // VP8 at `quality`: chroma at half resolution, in video range
        NearLossless, // lossless coding of pixels first moved a little, by `quality` (100: not at all)
    };

    // Lossy at `quality` (0 to 100), lossless without. Without `keepMetadata` the file holds no EXIF,
    // XMP or colour profile.
    static QByteArray encode(const vips::VImage& image, std::optional<int> quality, bool keepMetadata = false,
                             Mode mode = Mode::Lossy);
};
