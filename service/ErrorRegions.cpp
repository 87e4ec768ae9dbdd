#include "service/ErrorRegions.h"

#include "service/VisualDistance.h"

#include <algorithm>
#include <memory>
#include <numeric>
#include <vector>

using vips::VImage;

namespace {

constexpr int kScale = 4;

// The colours as a viewer sees them, in 8-bit steps: a picture with alpha over `background` (0 black,
// 255 white).
VImage seen(const VImage& image, double background)
{
    VImage plain = image;
    if (plain.format() != VIPS_FORMAT_UCHAR)
        plain = plain.colourspace(plain.bands() >= 3 ? VIPS_INTERPRETATION_sRGB : VIPS_INTERPRETATION_B_W)
                    .cast(VIPS_FORMAT_UCHAR);
    if (plain.has_alpha())
        plain = plain.flatten(
            VImage::option()->set("background", std::vector<double>(std::size_t(plain.bands() - 1), background)));
    return plain.cast(VIPS_FORMAT_FLOAT);
}

VImage errorOf(const VImage& reference, const VImage& candidate, double background)
{
    VImage error = (seen(reference, background) - seen(candidate, background)).abs();
    return error.bands() > 1 ? error.bandmean() * error.bands() : error;
}

// The error over the detail that masks it, one value per pixel of the shrunk pictures.
VImage visibility(const VImage& reference, const VImage& candidate)
{
    VImage error = errorOf(reference, candidate, 0);
    if (reference.has_alpha() || candidate.has_alpha()) {
        // Over black and over white, whichever shows more.
        const VImage overWhite = errorOf(reference, candidate, 255);
        error = (error > overWhite).ifthenelse(error, overWhite);
    }
    const auto blur = [](const VImage& image, double sigma) {
        return image.gaussblur(sigma, VImage::option()->set("precision", VIPS_PRECISION_APPROXIMATE));
    };
    const VImage small = seen(reference, 0).shrink(kScale, kScale);
    const VImage luma = small.bands() >= 3 ? small.extract_band(1) : small.extract_band(0);
    const VImage detail = (luma - blur(luma, 1.0)).abs();
    return blur(error.shrink(kScale, kScale), 0.6) / (blur(detail, 1.5) * 0.3 + 1.0);
}

} // namespace

QList<TileSample::Region> ErrorRegions::of(const VImage& reference, const VImage& candidate, int count)
{
    const int width = reference.width();
    const int height = reference.height();
    const QRect whole(0, 0, width, height);
    const int columns = (width + kCell - 1) / kCell;
    const int rows = (height + kCell - 1) / kCell;
    std::vector<float> worst(std::size_t(columns) * std::size_t(rows), 0.0f);
    if (width >= 2 * kScale && height >= 2 * kScale) {
        const VImage map = visibility(reference, candidate).cast(VIPS_FORMAT_FLOAT).copy_memory();
        const auto* values = static_cast<const float*>(map.data());
        const int cell = kCell / kScale;
        for (int y = 0; y < map.height(); ++y) {
            const std::size_t row = std::size_t(std::min(y / cell, rows - 1)) * std::size_t(columns);
            for (int x = 0; x < map.width(); ++x) {
                float& w = worst[row + std::size_t(std::min(x / cell, columns - 1))];
                w = std::max(w, values[std::size_t(y) * std::size_t(map.width()) + std::size_t(x)]);
            }
        }
    }
    std::vector<std::size_t> order(worst.size());
    std::iota(order.begin(), order.end(), 0);
    const std::size_t taken = std::min(order.size(), std::size_t(std::max(0, count)));
    std::partial_sort(order.begin(), order.begin() + std::ptrdiff_t(taken), order.end(),
                      [&](std::size_t a, std::size_t b) { return worst[a] > worst[b]; });
    QList<TileSample::Region> regions;
    for (std::size_t i = 0; i < taken; ++i) {
        const int x = int(order[i] % std::size_t(columns)) * kCell;
        const int y = int(order[i] / std::size_t(columns)) * kCell;
        const QRect tile = QRect(x, y, kCell, kCell).intersected(whole);
        const QRect area = tile.adjusted(-kMargin, -kMargin, kMargin, kMargin).intersected(whole);
        regions.append({area, tile.translated(-area.topLeft()), false});
    }
    return regions;
}

double ErrorRegions::distance(const VImage& reference, const VImage& candidate,
                              const QList<TileSample::Region>& regions, double limit)
{
    double worst = 0;
    for (const TileSample::Region& region : regions) {
        const QRect& a = region.area;
        worst = std::max(worst, VisualDistance::between(reference.extract_area(a.x(), a.y(), a.width(), a.height()),
                                                        candidate.extract_area(a.x(), a.y(), a.width(), a.height()),
                                                        region.inner));
        if (worst > limit)
            break;
    }
    return worst;
}
