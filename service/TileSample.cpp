#include "service/TileSample.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <numeric>
#include <vector>

using vips::VImage;

namespace {

struct Cell
{
    QRect tile;
    double activity = 0; // mean luma gradient
    double peakEdge = 0; // largest luma (or alpha) step
    double colourEdge = 0;
    double visibleError = 0; // the trial's worst error for the detail around it
};

constexpr int kScale = 4; // features are taken from a picture this many times smaller

// Features of every tile from a box-shrunk copy, read row by row.
VImage eightBit(const VImage& image)
{
    if (image.format() == VIPS_FORMAT_UCHAR)
        return image;
    return image.colourspace(image.bands() >= 3 ? VIPS_INTERPRETATION_sRGB : VIPS_INTERPRETATION_B_W)
        .cast(VIPS_FORMAT_UCHAR);
}

// How visible the trial's error is, as one band at the scale of the features: the error over the local
// detail that masks it. Taken on the shrunk pictures, where it costs little.
VImage visibility(const VImage& original, const VImage& trial)
{
    const auto colours = [](const VImage& image) {
        const VImage plain = eightBit(image);
        return (plain.has_alpha() ? plain.extract_band(0, VImage::option()->set("n", plain.bands() - 1)) : plain)
            .cast(VIPS_FORMAT_FLOAT);
    };
    const VImage a = colours(original);
    const VImage b = colours(trial);
    VImage error = (a - b).abs();
    if (error.bands() > 1)
        error = error.bandmean() * error.bands();
    error = error.shrink(kScale, kScale);
    const VImage small = a.shrink(kScale, kScale);
    const VImage luma = small.bands() >= 3 ? small.extract_band(1) : small.extract_band(0);
    const auto blur = [](const VImage& image, double sigma) {
        return image.gaussblur(sigma, VImage::option()->set("precision", VIPS_PRECISION_APPROXIMATE));
    };
    const VImage detail = (luma - blur(luma, 1.0)).abs();
    return blur(error, 0.6) / (blur(detail, 1.5) * 0.3 + 1.0);
}

std::vector<Cell> cellsOf(const VImage& image, const VImage& trial)
{
    const VImage rgb = eightBit(image);
    const bool alpha = rgb.has_alpha();
    const bool colour = rgb.bands() - (alpha ? 1 : 0) >= 3;
    VImage small = rgb.shrink(kScale, kScale).cast(VIPS_FORMAT_UCHAR).copy_memory();
    VImage seen = visibility(image, trial).copy_memory();
    std::size_t seenSize = 0;
    std::unique_ptr<float, decltype(&g_free)> seenData(static_cast<float*>(seen.write_to_memory(&seenSize)), &g_free);
    std::size_t size = 0;
    std::unique_ptr<unsigned char, decltype(&g_free)> data(static_cast<unsigned char*>(small.write_to_memory(&size)),
                                                           &g_free);
    const int w = small.width();
    const int h = small.height();
    const int bands = small.bands();
    const int cell = TileSample::kTile / kScale;
    const int columns = (image.width() + TileSample::kTile - 1) / TileSample::kTile;
    const int rows = (image.height() + TileSample::kTile - 1) / TileSample::kTile;
    std::vector<Cell> cells(std::size_t(columns) * std::size_t(rows));
    std::vector<int> counts(cells.size(), 0);
    const auto at = [&](int x, int y, int band) {
        return int(data.get()[(std::size_t(y) * std::size_t(w) + std::size_t(x)) * std::size_t(bands) + band]);
    };
    const auto luma = [&](int x, int y) {
        return colour ? (2 * at(x, y, 0) + 5 * at(x, y, 1) + at(x, y, 2)) / 8 : at(x, y, 0);
    };
    for (int y = 0; y + 1 < h; ++y) {
        for (int x = 0; x + 1 < w; ++x) {
            const std::size_t index = std::size_t(std::min(y / cell, rows - 1)) * std::size_t(columns) +
                                      std::size_t(std::min(x / cell, columns - 1));
            Cell& c = cells[index];
            const int l = luma(x, y);
            const int step = std::abs(luma(x + 1, y) - l) + std::abs(luma(x, y + 1) - l);
            int edge = step;
            if (alpha) {
                const int a = at(x, y, bands - 1);
                edge = std::max(edge, std::abs(at(x + 1, y, bands - 1) - a) + std::abs(at(x, y + 1, bands - 1) - a));
            }
            c.activity += step;
            if (x < seen.width() && y < seen.height())
                c.visibleError =
                    std::max(c.visibleError, double(seenData.get()[std::size_t(y) * std::size_t(seen.width()) + x]));
            c.peakEdge = std::max(c.peakEdge, double(edge));
            if (colour) {
                const auto chroma = [&](int px, int py) {
                    return std::pair{at(px, py, 0) - at(px, py, 1), at(px, py, 2) - at(px, py, 1)};
                };
                const auto [r0, b0] = chroma(x, y);
                const auto [r1, b1] = chroma(x + 1, y);
                const auto [r2, b2] = chroma(x, y + 1);
                c.colourEdge += std::abs(r1 - r0) + std::abs(b1 - b0) + std::abs(r2 - r0) + std::abs(b2 - b0);
            }
            ++counts[index];
        }
    }
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const std::size_t index = std::size_t(row) * std::size_t(columns) + std::size_t(column);
            Cell& c = cells[index];
            const int x = column * TileSample::kTile;
            const int y = row * TileSample::kTile;
            c.tile = QRect(x, y, std::min(TileSample::kTile, image.width() - x),
                           std::min(TileSample::kTile, image.height() - y));
            if (counts[index] > 0) {
                c.activity /= counts[index];
                c.colourEdge /= counts[index];
            }
        }
    }
    return cells;
}

// Indices of the cells with the largest `feature`, `count` of them, among those not taken yet.
void takeLargest(const std::vector<Cell>& cells, double Cell::*feature, std::size_t count, std::vector<bool>& taken)
{
    std::vector<std::size_t> order(cells.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return cells[a].*feature > cells[b].*feature; });
    for (std::size_t i = 0; i < order.size() && count > 0; ++i) {
        if (!taken[order[i]]) {
            taken[order[i]] = true;
            --count;
        }
    }
}

} // namespace

qint64 TileSample::maxPixels()
{
    const qint64 side = kTile + 2 * kMargin;
    return std::max<qint64>(qint64(kMaxTiles) * side * side, qint64(kMinTiles) * kTile * kTile);
}

QList<TileSample::Region> TileSample::of(const VImage& image, const std::function<VImage()>& trial)
{
    const qint64 area = qint64(image.width()) * image.height();
    const qint64 tilePixels = qint64(kTile) * kTile;
    const QRect whole(0, 0, image.width(), image.height());
    if (area <= qint64(kMinTiles) * tilePixels)
        return {Region{whole, QRect(QPoint(0, 0), whole.size()), true}};

    std::vector<Cell> cells = cellsOf(image, trial());
    const std::size_t wanted = std::size_t(std::clamp<qint64>(area / kShare / tilePixels, 4, kMaxTiles));
    std::vector<bool> taken(cells.size(), false);
    std::vector<bool> representative(cells.size(), false);
    if (wanted >= cells.size()) {
        std::fill(taken.begin(), taken.end(), true);
        std::fill(representative.begin(), representative.end(), true);
    } else {
        takeLargest(cells, &Cell::visibleError, wanted / 2, taken);
        takeLargest(cells, &Cell::colourEdge, wanted / 4, taken);

        // The rest spread evenly over the tiles from flattest to busiest.
        std::vector<std::size_t> order;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (!taken[i])
                order.push_back(i);
        }
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return cells[a].activity < cells[b].activity; });
        const std::size_t rest = wanted - std::size_t(std::count(taken.begin(), taken.end(), true));
        for (std::size_t i = 0; i < rest && !order.empty(); ++i) {
            const std::size_t cell = order[std::min(order.size() - 1, (2 * i + 1) * order.size() / (2 * rest))];
            taken[cell] = representative[cell] = true;
        }
    }
    QList<Region> regions;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (!taken[i])
            continue;
        const QRect tile = cells[i].tile;
        const QRect area = tile.adjusted(-kMargin, -kMargin, kMargin, kMargin).intersected(whole);
        regions.append(Region{area, tile.translated(-area.topLeft()), representative[i]});
    }
    return regions;
}
