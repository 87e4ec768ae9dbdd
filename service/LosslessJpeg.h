// Recompresses a JPEG without decoding it to pixels: the DCT coefficients are copied as they are and
// only the entropy coding is redone, with optimized Huffman tables, progressive or baseline, whichever
// is smaller for the picture, so every pixel stays identical.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class LosslessJpeg
{
public:
    // The recompressed file, or nothing with `error` set when the input is not a readable JPEG.
    // Without `keepMetadata` every APPn and COM marker is dropped except what the picture's look
    // depends on: the ICC colour profile, and for an `orientation` other than 1 (EXIF's value, which
    // turns the picture on screen) an EXIF block of its own that holds that one tag and nothing else.
    static std::optional<QByteArray> transcode(const QByteArray& jpeg, bool keepMetadata, int orientation,
                                               QString* error = nullptr);
};
