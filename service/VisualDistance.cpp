#include "service/VisualDistance.h"

#include <algorithm>
#include <jxl/butteraugli.h>
#include <memory>
#include <stdexcept>

using vips::VImage;

namespace {

struct ApiDeleter
{
    void operator()(JxlButteraugliApi* api) const { JxlButteraugliApiDestroy(api); }
};
struct ResultDeleter
{
    void operator()(JxlButteraugliResult* result) const { JxlButteraugliResultDestroy(result); }
};

// The model reads interleaved samples; libvips hands them over in one block.
struct Samples
{
    std::unique_ptr<void, decltype(&g_free)> data{nullptr, &g_free};
    std::size_t size = 0;
};

Samples samplesOf(const VImage& image)
{
    Samples samples;
    samples.data.reset(image.write_to_memory(&samples.size));
    return samples;
}

bool isGrey(const VImage& image)
{
    return image.interpretation() == VIPS_INTERPRETATION_B_W || image.interpretation() == VIPS_INTERPRETATION_GREY16 ||
           image.bands() < 3;
}

// Pictures as the model takes them: colour or grey as the reference is, 8 or 16 bits alike on both
// sides, without alpha (the caller has put it over a background).
VImage comparable(const VImage& image, bool grey, bool sixteenBit)
{
    VImage out = image.has_alpha() ? image.flatten() : image;
    // libjxl 0.7 aborts on one channel (its grey path checks a colour encoding it never set), so grey
    // goes in as the same value on all three, which the model sees alike.
    if (grey)
        out = out.colourspace(sixteenBit ? VIPS_INTERPRETATION_GREY16 : VIPS_INTERPRETATION_B_W);
    out = out.colourspace(sixteenBit ? VIPS_INTERPRETATION_RGB16 : VIPS_INTERPRETATION_sRGB);
    return out.cast(sixteenBit ? VIPS_FORMAT_USHORT : VIPS_FORMAT_UCHAR);
}

double maxOver(const VImage& reference, const VImage& candidate, QRect inner)
{
    const bool sixteenBit = reference.format() == VIPS_FORMAT_USHORT || candidate.format() == VIPS_FORMAT_USHORT;
    const bool grey = isGrey(reference);
    const VImage a = comparable(reference, grey, sixteenBit).copy_memory();
    const VImage b = comparable(candidate, grey, sixteenBit).copy_memory();
    const Samples sa = samplesOf(a);
    const Samples sb = samplesOf(b);
    JxlPixelFormat format{static_cast<uint32_t>(a.bands()), sixteenBit ? JXL_TYPE_UINT16 : JXL_TYPE_UINT8,
                          JXL_NATIVE_ENDIAN, 0};
    std::unique_ptr<JxlButteraugliApi, ApiDeleter> api(JxlButteraugliApiCreate(nullptr));
    if (!api)
        throw std::runtime_error("butteraugli is not available");
    std::unique_ptr<JxlButteraugliResult, ResultDeleter> result(
        JxlButteraugliCompute(api.get(), static_cast<uint32_t>(a.width()), static_cast<uint32_t>(a.height()), &format,
                              sa.data.get(), sa.size, &format, sb.data.get(), sb.size));
    if (!result)
        throw std::runtime_error("butteraugli could not compare the pictures");
    const float* map = nullptr;
    uint32_t stride = 0;
    JxlButteraugliResultGetDistmap(result.get(), &map, &stride);
    float worst = 0.0f;
    for (int y = inner.top(); y <= inner.bottom(); ++y) {
        const float* row = map + static_cast<std::size_t>(y) * stride;
        worst = std::max(worst, *std::max_element(row + inner.left(), row + inner.right() + 1));
    }
    return worst;
}

VImage over(const VImage& image, double background)
{
    const double scale = image.format() == VIPS_FORMAT_USHORT ? 65535.0 : 255.0;
    return image.flatten(
        VImage::option()
            ->set("background", std::vector<double>(std::size_t(image.bands() - 1), background * scale))
            ->set("max_alpha", scale));
}

// The model looks at neighbourhoods of 8 pixels; a smaller picture is repeated at its edges to fill one.
VImage atLeastEight(const VImage& image)
{
    if (image.width() >= 8 && image.height() >= 8)
        return image;
    return image.embed(0, 0, std::max(8, image.width()), std::max(8, image.height()),
                       VImage::option()->set("extend", VIPS_EXTEND_COPY));
}

} // namespace

double VisualDistance::between(const VImage& reference, const VImage& candidate, QRect inner)
{
    const QRect whole(0, 0, reference.width(), reference.height());
    inner = inner.isEmpty() ? whole : inner.intersected(whole);
    const VImage a = atLeastEight(reference);
    const VImage b = atLeastEight(candidate);
    if (!a.has_alpha() && !b.has_alpha())
        return maxOver(a, b, inner);
    // A picture that gained or lost its alpha is compared as if it had an opaque one.
    const auto withAlpha = [](const VImage& image) {
        return image.has_alpha() ? image
                                 : image.bandjoin_const({image.format() == VIPS_FORMAT_USHORT ? 65535.0 : 255.0});
    };
    if (!a.has_alpha() || !b.has_alpha())
        return VisualDistance::between(withAlpha(a), withAlpha(b), inner);
    // Where alpha changed, a picture shows it against whatever lies behind it.
    return std::max(maxOver(over(a, 0.0), over(b, 0.0), inner), maxOver(over(a, 1.0), over(b, 1.0), inner));
}

double VisualDistance::everywhere(const VImage& reference, const VImage& candidate, double limit)
{
    double worst = 0.0;
    for (int y = 0; y < reference.height(); y += kTile) {
        for (int x = 0; x < reference.width(); x += kTile) {
            const int left = std::max(0, x - kContext);
            const int top = std::max(0, y - kContext);
            const int width = std::min(reference.width(), x + kTile + kContext) - left;
            const int height = std::min(reference.height(), y + kTile + kContext) - top;
            const QRect inner(x - left, y - top, std::min(kTile, reference.width() - x),
                              std::min(kTile, reference.height() - y));
            worst = std::max(worst, between(reference.extract_area(left, top, width, height),
                                            candidate.extract_area(left, top, width, height), inner));
            if (worst > limit)
                return worst;
        }
    }
    return worst;
}
