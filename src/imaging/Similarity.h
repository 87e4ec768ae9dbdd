#pragma once

// How similar a result is to its source, as the structural similarity index (SSIM, Wang et al. 2004):
// 1 for the same picture, lower as structure, contrast and brightness drift apart. Measured on red,
// green and blue and averaged, as image tools do for color pictures, so that a color that turns while
// its brightness stays (a red glow gone olive) lowers it as much as lost detail does. Both pictures are
// taken at the smaller one's size, at most a few megapixels, over a mid gray where they are transparent.
// Pure, and slow on a large picture: call it off the main thread.

#include <QImage>

#include <optional>

class Similarity
{
public:
    // The largest picture measured, in pixels; a larger one is scaled down first.
    static constexpr qint64 maxPixels = 4'000'000;

    // Nothing when either picture is empty.
    static std::optional<double> ssim(const QImage& original, const QImage& result);
};
