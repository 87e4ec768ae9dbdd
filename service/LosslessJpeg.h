// Recompresses a JPEG without decoding it to pixels: the DCT coefficients are copied as they are and
// only the entropy coding is redone with optimized Huffman tables, so every pixel stays identical.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class LosslessJpeg
{
public:
    // The recompressed file, or nothing with `error` set when the input is not a readable JPEG.
    // Without `keepMetadata` every APPn and COM marker is dropped except those the picture's look
    // depends on: the ICC colour profile always, and the EXIF block when `keepExifForOrientation`
    // (its orientation tag turns the picture on screen).
    static std::optional<QByteArray> transcode(const QByteArray& jpeg, bool keepMetadata, bool keepExifForOrientation,
                                               QString* error = nullptr);
};
