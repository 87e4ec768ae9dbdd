#include "service/SampledDistance.h"

#include "service/VisualDistance.h"

#include <algorithm>

using vips::VImage;

SampledDistance::SampledDistance(const VImage& pixels, const std::function<VImage()>& trial)
{
    const QList<TileSample::Region> regions = TileSample::of(pixels, trial);
    m_wholePixels = qint64(pixels.width()) * pixels.height();
    m_whole = regions.size() == 1 && regions.first().area == QRect(0, 0, pixels.width(), pixels.height());
    for (const TileSample::Region& region : regions) {
        const QRect& a = region.area;
        VImage tile = pixels.extract_area(a.x(), a.y(), a.width(), a.height()).copy_memory();
        // A tile is one picture, whatever the frames of the whole.
        tile.remove("page-height");
        m_tiles.append({tile, a, region.inner, region.representative});
        m_pixels += qint64(a.width()) * a.height();
        if (region.representative)
            m_representativePixels += qint64(a.width()) * a.height();
    }
}

double SampledDistance::measure(const RoundTrip& roundTrip, double limit)
{
    double worst = 0;
    for (qsizetype i = 0; i < m_tiles.size(); ++i) {
        const Tile& tile = m_tiles[i];
        worst = std::max(worst, VisualDistance::between(tile.reference, roundTrip(tile.reference), tile.inner));
        if (worst > limit) {
            // The tile that failed goes first next time: a worse setting fails on it soonest.
            m_tiles.move(i, 0);
            break;
        }
    }
    return worst;
}

SampledDistance::Measure SampledDistance::measureFiles(const std::function<QByteArray(const VImage&)>& encode,
                                                       double limit)
{
    qint64 bytes = 0;
    int representatives = 0;
    const double distance = measure(
        [&](const VImage& tile) {
            const QByteArray data = encode(tile);
            for (const Tile& known : std::as_const(m_tiles)) {
                if (known.reference.get_image() == tile.get_image() && known.representative) {
                    bytes += data.size();
                    ++representatives;
                }
            }
            return VImage::new_from_buffer(data.constData(), std::size_t(data.size()), "").copy_memory();
        },
        limit);
    Measure result{distance, std::nullopt};
    const bool allSeen = representatives == std::count_if(m_tiles.cbegin(), m_tiles.cend(),
                                                          [](const Tile& t) { return t.representative; });
    if (allSeen && m_representativePixels > 0)
        result.wholeBytes = qint64(double(bytes) * double(m_wholePixels) / double(m_representativePixels));
    return result;
}

double SampledDistance::measureWhole(const VImage& decoded, double limit)
{
    return measure(
        [this, &decoded](const VImage& reference) {
            for (const Tile& tile : std::as_const(m_tiles)) {
                if (tile.reference.get_image() == reference.get_image())
                    return decoded.extract_area(tile.area.x(), tile.area.y(), tile.area.width(), tile.area.height());
            }
            return reference;
        },
        limit);
}

qint64 SampledDistance::bytes(const std::function<qint64(const VImage& tile)>& encodedSize) const
{
    qint64 sum = 0;
    for (const Tile& tile : m_tiles)
        sum += encodedSize(tile.reference);
    return sum;
}

qint64 SampledDistance::wholeBytes(const std::function<qint64(const VImage& tile)>& encodedSize) const
{
    qint64 sum = 0;
    for (const Tile& tile : m_tiles) {
        if (tile.representative)
            sum += encodedSize(tile.reference);
    }
    return m_representativePixels > 0 ? qint64(double(sum) * double(m_wholePixels) / double(m_representativePixels))
                                      : 0;
}
