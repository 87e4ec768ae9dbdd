// A picture in at most 256 colours, as libimagequant chooses them, at as many qualities as a search asks
// for: the picture is handed to libimagequant once, and each quality's palette is chosen on one thread
// and its pixels mapped straight into the picture that is measured and then written, never through a
// file and never quantized a second time for the output.
#pragma once

#include <memory>
#include <optional>
#include <vips/vips8>

struct liq_attr;
struct liq_image;

class PngPalette
{
public:
    // `image`: 8-bit sRGB or grey, with or without alpha; it must outlive this.
    explicit PngPalette(const vips::VImage& image);
    ~PngPalette();
    PngPalette(const PngPalette&) = delete;
    PngPalette& operator=(const PngPalette&) = delete;

    // The picture in the colours chosen at libimagequant's `quality` (0 to 100), dithered by `dither`
    // (0 to 1), in the bands and interpretation of the original; nothing when the picture needs more
    // colours than that quality allows.
    std::optional<vips::VImage> at(int quality, double dither);

    // libimagequant's speed, 1 (slowest) to 10: 4 is libvips' own at its default effort.
    static constexpr int kSpeed = 4;

private:
    struct Deleters
    {
        void operator()(liq_attr* attr) const;
        void operator()(liq_image* image) const;
    };
    vips::VImage m_original;
    vips::VImage m_rgba; // the samples libimagequant reads in place
    std::unique_ptr<liq_attr, Deleters> m_attr;
    std::unique_ptr<liq_image, Deleters> m_image;
};
