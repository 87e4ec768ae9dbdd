#include "service/PngWriter.h"

#include <QHash>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <functional>
#include <libdeflate.h>
#include <limits>
#include <memory>
#include <optional>
#include <vector>
#include <zlib.h>
#include <zopfli/zopfli.h>

using vips::VImage;

namespace {

double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Up to this many bytes of rows, the best three ways go through the final level, not only the first.
constexpr std::size_t kFinalistsMaxBytes = 4 * 1024 * 1024;

using Bytes = std::vector<std::uint8_t>;

struct CompressorDeleter
{
    void operator()(libdeflate_compressor* compressor) const { libdeflate_free_compressor(compressor); }
};
using Compressor = std::unique_ptr<libdeflate_compressor, CompressorDeleter>;

Compressor compressor(int level)
{
    return Compressor(libdeflate_alloc_compressor(level));
}

Bytes zlibOf(libdeflate_compressor* c, const std::uint8_t* data, std::size_t size)
{
    Bytes out(libdeflate_zlib_compress_bound(c, size));
    out.resize(libdeflate_zlib_compress(c, data, size, out.data(), out.size()));
    return out;
}

std::size_t deflatedSize(libdeflate_compressor* c, const std::uint8_t* data, std::size_t size, Bytes& scratch)
{
    scratch.resize(libdeflate_deflate_compress_bound(c, size));
    return libdeflate_deflate_compress(c, data, size, scratch.data(), scratch.size());
}

// The pixels in one of PNG's colour types: rows of samples, packed and big-endian as the file has them.
struct Layout
{
    int colourType = 0; // 0 grey, 2 RGB, 3 palette, 4 grey and alpha, 6 RGBA
    int bitDepth = 8;
    QByteArray palette;      // PLTE
    QByteArray transparency; // tRNS
    int width = 0;
    int height = 0;
    std::size_t stride = 0; // bytes of a row, without its filter byte
    int pixelBytes = 1;     // what the filters look back by: a whole pixel, at least one byte
    Bytes rows;
};

// The samples as libvips holds them, interleaved, 16 bits in the machine's order.
struct Samples
{
    int width = 0;
    int height = 0;
    int bands = 0;
    bool sixteen = false;
    std::vector<std::uint16_t> values; // one per sample, whatever the depth

    std::size_t pixels() const { return std::size_t(width) * std::size_t(height); }
    std::uint16_t at(std::size_t pixel, int band) const
    {
        return values[pixel * std::size_t(bands) + std::size_t(band)];
    }
    std::uint16_t max() const { return sixteen ? 65535 : 255; }
};

Samples samplesOf(const VImage& image)
{
    Samples s;
    s.width = image.width();
    s.height = image.height();
    s.bands = image.bands();
    s.sixteen = image.format() == VIPS_FORMAT_USHORT;
    std::size_t size = 0;
    std::unique_ptr<void, decltype(&g_free)> memory(image.write_to_memory(&size), &g_free);
    s.values.resize(s.pixels() * std::size_t(s.bands));
    if (s.sixteen) {
        std::memcpy(s.values.data(), memory.get(), s.values.size() * 2);
    } else {
        const auto* bytes = static_cast<const std::uint8_t*>(memory.get());
        std::copy(bytes, bytes + s.values.size(), s.values.begin());
    }
    return s;
}

// The narrowest of PNG's sample forms that holds every value exactly: 8 bits where each 16-bit sample
// is one byte repeated, no alpha where all is opaque, one grey band where every colour is grey.
void narrow(Samples& s, bool mayLoseColour)
{
    if (s.sixteen &&
        std::all_of(s.values.cbegin(), s.values.cend(), [](std::uint16_t v) { return v >> 8 == (v & 255); })) {
        for (std::uint16_t& v : s.values)
            v &= 255;
        s.sixteen = false;
    }
    const auto keepBands = [&s](const std::vector<int>& bands) {
        std::vector<std::uint16_t> out(s.pixels() * bands.size());
        std::size_t at = 0;
        for (std::size_t p = 0; p < s.pixels(); ++p) {
            for (int band : bands)
                out[at++] = s.at(p, band);
        }
        s.values = std::move(out);
        s.bands = int(bands.size());
    };
    const bool alpha = s.bands == 2 || s.bands == 4;
    if (alpha) {
        bool opaque = true;
        for (std::size_t p = 0; p < s.pixels() && opaque; ++p)
            opaque = s.at(p, s.bands - 1) == s.max();
        if (opaque)
            keepBands(s.bands == 2 ? std::vector<int>{0} : std::vector<int>{0, 1, 2});
    }
    if (s.bands >= 3 && mayLoseColour) {
        bool grey = true;
        for (std::size_t p = 0; p < s.pixels() && grey; ++p)
            grey = s.at(p, 0) == s.at(p, 1) && s.at(p, 1) == s.at(p, 2);
        if (grey)
            keepBands(s.bands == 4 ? std::vector<int>{0, 3} : std::vector<int>{0});
    }
}

// Where alpha is only on or off and every transparent pixel has the same colour, which no opaque one
// has, that colour alone says "transparent" (tRNS) and the alpha band goes.
std::optional<std::vector<std::uint16_t>> keyColour(const Samples& s)
{
    if (s.bands != 2 && s.bands != 4)
        return std::nullopt;
    const int colours = s.bands - 1;
    std::optional<std::vector<std::uint16_t>> key;
    for (std::size_t p = 0; p < s.pixels(); ++p) {
        const std::uint16_t a = s.at(p, colours);
        if (a != 0 && a != s.max())
            return std::nullopt;
        if (a != 0)
            continue;
        std::vector<std::uint16_t> colour(static_cast<std::size_t>(colours));
        for (int b = 0; b < colours; ++b)
            colour[std::size_t(b)] = s.at(p, b);
        if (!key)
            key = colour;
        else if (*key != colour)
            return std::nullopt;
    }
    if (!key)
        return std::nullopt;
    for (std::size_t p = 0; p < s.pixels(); ++p) {
        if (s.at(p, colours) == 0)
            continue;
        bool same = true;
        for (int b = 0; b < colours && same; ++b)
            same = s.at(p, b) == (*key)[std::size_t(b)];
        if (same)
            return std::nullopt;
    }
    return key;
}

// Rows of `depth`-bit samples (1, 2, 4, 8 or 16) from one value per sample.
Layout packed(int colourType, int depth, int width, int height, int bands,
              const std::function<std::uint16_t(std::size_t)>& value)
{
    Layout layout;
    layout.colourType = colourType;
    layout.bitDepth = depth;
    layout.width = width;
    layout.height = height;
    const std::size_t samplesPerRow = std::size_t(width) * std::size_t(bands);
    layout.stride = (samplesPerRow * std::size_t(depth) + 7) / 8;
    layout.pixelBytes = std::max(1, bands * depth / 8);
    layout.rows.assign(layout.stride * std::size_t(height), 0);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = layout.rows.data() + layout.stride * std::size_t(y);
        const std::size_t first = samplesPerRow * std::size_t(y);
        if (depth == 16) {
            for (std::size_t i = 0; i < samplesPerRow; ++i) {
                const std::uint16_t v = value(first + i);
                row[2 * i] = std::uint8_t(v >> 8);
                row[2 * i + 1] = std::uint8_t(v & 255);
            }
        } else if (depth == 8) {
            for (std::size_t i = 0; i < samplesPerRow; ++i)
                row[i] = std::uint8_t(value(first + i));
        } else {
            const int perByte = 8 / depth;
            for (std::size_t i = 0; i < samplesPerRow; ++i) {
                const int shift = 8 - depth * (int(i % std::size_t(perByte)) + 1);
                row[i / std::size_t(perByte)] |= std::uint8_t(value(first + i) << shift);
            }
        }
    }
    return layout;
}

QByteArray bigEndian16(std::uint16_t v)
{
    return QByteArray(1, char(v >> 8)) + char(v & 255);
}

// The lowest bit depth at which every grey value of 8 bits is exact (PNG scales 1, 2 and 4 bits up by
// repeating them: 4-bit 0xA is 0xAA).
int greyDepth(const Samples& s, const std::optional<std::vector<std::uint16_t>>& key)
{
    for (int depth : {1, 2, 4}) {
        const int step = 255 / ((1 << depth) - 1);
        const bool fits =
            std::all_of(s.values.cbegin(), s.values.cend(), [step](std::uint16_t v) { return v % step == 0; }) &&
            (!key || (*key)[0] % step == 0);
        if (fits)
            return depth;
    }
    return 8;
}

// Every way of writing these pixels worth trying.
QList<Layout> layoutsOf(Samples s, bool mayLoseColour, bool indexed)
{
    narrow(s, mayLoseColour);
    QList<Layout> layouts;
    const auto key = keyColour(s);
    const int colours = key ? s.bands - 1 : s.bands;
    // The samples of each pixel but the alpha band where the key colour stands in for it.
    const auto direct = [&s, colours](std::size_t i) {
        return s.values[i / std::size_t(colours) * std::size_t(s.bands) + i % std::size_t(colours)];
    };
    const int grey = colours == 1 ? 0 : colours == 2 ? 4 : colours == 3 ? 2 : 6;
    if (colours == 1 && !s.sixteen) {
        const int depth = greyDepth(s, key);
        const int step = 255 / ((1 << depth) - 1);
        Layout layout =
            packed(0, depth, s.width, s.height, 1, [&](std::size_t i) { return std::uint16_t(direct(i) / step); });
        if (key)
            layout.transparency = bigEndian16(std::uint16_t((*key)[0] / step));
        layouts << layout;
    } else {
        Layout layout = packed(grey, s.sixteen ? 16 : 8, s.width, s.height, colours, direct);
        if (key) {
            for (std::uint16_t v : *key)
                layout.transparency += bigEndian16(v);
        }
        layouts << layout;
    }
    if (s.sixteen)
        return layouts;

    // A palette, where there are few enough colours: the transparent entries first, so that tRNS stops
    // at the last of them, in two orders (by how often a colour is used, and by lightness, which lets
    // the filters follow a gradient).
    QHash<quint32, quint32> counts;
    const auto rgbaAt = [&s](std::size_t p) {
        const std::uint16_t g = s.at(p, 0);
        const bool colour = s.bands >= 3;
        const quint32 r = g, gr = colour ? s.at(p, 1) : g, b = colour ? s.at(p, 2) : g;
        const quint32 a = s.bands == 2 || s.bands == 4 ? s.at(p, s.bands - 1) : 255;
        return r << 24 | gr << 16 | b << 8 | a;
    };
    for (std::size_t p = 0; p < s.pixels(); ++p) {
        ++counts[rgbaAt(p)];
        if (counts.size() > 256)
            return layouts;
    }
    // A grey picture of more than 16 shades loses nothing to its own 8 bits: no palette could be smaller.
    if (colours == 1 && counts.size() > 16)
        return layouts;
    std::vector<quint32> entries;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        entries.push_back(it.key());
    const auto lightness = [](quint32 c) { return 299 * (c >> 24) + 587 * ((c >> 16) & 255) + 114 * ((c >> 8) & 255); };
    const int depth = entries.size() <= 2 ? 1 : entries.size() <= 4 ? 2 : entries.size() <= 16 ? 4 : 8;
    for (int order = 0; order < 2; ++order) {
        std::sort(entries.begin(), entries.end(), [&](quint32 a, quint32 b) {
            const bool opaqueA = (a & 255) == 255, opaqueB = (b & 255) == 255;
            if (opaqueA != opaqueB)
                return opaqueB;
            if (order == 0)
                return counts.value(a) != counts.value(b) ? counts.value(a) > counts.value(b) : a < b;
            return lightness(a) != lightness(b) ? lightness(a) < lightness(b) : a < b;
        });
        QHash<quint32, std::uint16_t> index;
        Layout layout;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const quint32 c = entries[i];
            index[c] = std::uint16_t(i);
            layout.palette += char(c >> 24);
            layout.palette += char((c >> 16) & 255);
            layout.palette += char((c >> 8) & 255);
            if ((c & 255) != 255)
                layout.transparency += char(c & 255);
        }
        Layout rows = packed(3, depth, s.width, s.height, 1, [&](std::size_t p) { return index.value(rgbaAt(p)); });
        rows.palette = layout.palette;
        rows.transparency = layout.transparency;
        layouts << rows;
    }
    if (indexed && colours >= 3)
        layouts.removeFirst();
    return layouts;
}

int paeth(int a, int b, int c)
{
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

void filterRow(int type, const std::uint8_t* row, const std::uint8_t* above, std::size_t stride, int bpp,
               std::uint8_t* out)
{
    for (std::size_t i = 0; i < stride; ++i) {
        const int left = i >= std::size_t(bpp) ? row[i - std::size_t(bpp)] : 0;
        const int up = above ? above[i] : 0;
        const int corner = above && i >= std::size_t(bpp) ? above[i - std::size_t(bpp)] : 0;
        int predicted = 0;
        switch (type) {
        case 1:
            predicted = left;
            break;
        case 2:
            predicted = up;
            break;
        case 3:
            predicted = (left + up) / 2;
            break;
        case 4:
            predicted = paeth(left, up, corner);
            break;
        default:
            break;
        }
        out[i] = std::uint8_t(row[i] - predicted);
    }
}

enum class Strategy
{
    Fixed0,
    Fixed1,
    Fixed2,
    Fixed3,
    Fixed4,
    MinimumSum,
    Entropy,
    Deflated, // the filter whose row deflates smallest after the row before it
};
constexpr std::array kStrategies{Strategy::Fixed0, Strategy::Fixed1,     Strategy::Fixed2,  Strategy::Fixed3,
                                 Strategy::Fixed4, Strategy::MinimumSum, Strategy::Entropy, Strategy::Deflated};

// The rows `from` to `to` of a layout, each with its filter byte first, as `strategy` filters them.
Bytes filtered(const Layout& layout, Strategy strategy, int from, int to, libdeflate_compressor* quick)
{
    const std::size_t stride = layout.stride;
    Bytes out;
    out.reserve((stride + 1) * std::size_t(to - from));
    std::array<Bytes, 5> candidates;
    for (Bytes& c : candidates)
        c.resize(stride);
    Bytes window;
    Bytes scratch;
    for (int y = from; y < to; ++y) {
        const std::uint8_t* row = layout.rows.data() + stride * std::size_t(y);
        const std::uint8_t* above = y > 0 ? row - stride : nullptr;
        int chosen = 0;
        if (strategy <= Strategy::Fixed4) {
            chosen = int(strategy);
            filterRow(chosen, row, above, stride, layout.pixelBytes, candidates[std::size_t(chosen)].data());
        } else {
            double best = 0;
            for (int type = 0; type < 5; ++type) {
                Bytes& c = candidates[std::size_t(type)];
                filterRow(type, row, above, stride, layout.pixelBytes, c.data());
                double cost = 0;
                if (strategy == Strategy::MinimumSum) {
                    for (std::uint8_t v : c)
                        cost += v < 128 ? v : 256 - v;
                } else if (strategy == Strategy::Entropy) {
                    std::array<std::uint32_t, 256> histogram{};
                    for (std::uint8_t v : c)
                        ++histogram[v];
                    for (std::uint32_t n : histogram) {
                        if (n > 0)
                            cost -= double(n) * std::log2(double(n) / double(stride));
                    }
                } else {
                    // The row after the one before it, so that what it repeats of that row counts.
                    const std::size_t previous = std::min(out.size(), stride + 1);
                    window.assign(out.end() - std::ptrdiff_t(previous), out.end());
                    window.push_back(std::uint8_t(type));
                    window.insert(window.end(), c.begin(), c.end());
                    cost = double(deflatedSize(quick, window.data(), window.size(), scratch));
                }
                if (type == 0 || cost < best) {
                    best = cost;
                    chosen = type;
                }
            }
        }
        out.push_back(std::uint8_t(chosen));
        out.insert(out.end(), candidates[std::size_t(chosen)].begin(), candidates[std::size_t(chosen)].end());
    }
    return out;
}

// Bands of rows spread over the picture, about `budget` bytes in all, for judging the ways on a large one.
QList<std::pair<int, int>> trialBands(const Layout& layout, std::size_t budget)
{
    const std::size_t total = (layout.stride + 1) * std::size_t(layout.height);
    if (total <= budget)
        return {{0, layout.height}};
    constexpr int kBand = 32;
    const int bands = std::max(1, int(budget / ((layout.stride + 1) * kBand)));
    QList<std::pair<int, int>> out;
    for (int i = 0; i < bands; ++i) {
        const int from = int(std::int64_t(layout.height - kBand) * i / std::max(1, bands - 1));
        out.append({std::max(0, from), std::min(layout.height, from + kBand)});
    }
    return out;
}

QByteArray chunk(const char* type, const QByteArray& data)
{
    QByteArray out(4, '\0');
    qToBigEndian<quint32>(quint32(data.size()), out.data());
    out += QByteArray(type, 4) + data;
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(out.constData() + 4), uInt(data.size() + 4));
    QByteArray tail(4, '\0');
    qToBigEndian<quint32>(quint32(crc), tail.data());
    return out + tail;
}

QByteArray fileOf(const Layout& layout, const QList<QByteArray>& chunks, const Bytes& deflated)
{
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(quint32(layout.width), header.data());
    qToBigEndian<quint32>(quint32(layout.height), header.data() + 4);
    header[8] = char(layout.bitDepth);
    header[9] = char(layout.colourType);
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    png += chunk("IHDR", header);
    for (const QByteArray& c : chunks)
        png += c;
    if (!layout.palette.isEmpty())
        png += chunk("PLTE", layout.palette);
    if (!layout.transparency.isEmpty())
        png += chunk("tRNS", layout.transparency);
    png += chunk("IDAT", QByteArray(reinterpret_cast<const char*>(deflated.data()), qsizetype(deflated.size())));
    png += chunk("IEND", {});
    return png;
}

} // namespace

QByteArray PngWriter::write(const VImage& image, const QList<QByteArray>& chunks, double seconds, bool indexed)
{
    const bool hasProfile =
        std::any_of(chunks.cbegin(), chunks.cend(), [](const QByteArray& c) { return c.mid(4, 4) == "iCCP"; });
    QList<Layout> layouts = layoutsOf(samplesOf(image), !hasProfile, indexed);

    // Each way judged on the same rows at a quick level; the best one deflated in full. Without time for
    // zopfli, only the ways that win most often are judged, and more quickly.
    const bool quickly = seconds <= 0 && !indexed;
    const Compressor quick = compressor(1);
    const Compressor judge = compressor(quickly ? 4 : 6);
    struct Trial
    {
        qsizetype layout;
        Strategy strategy;
        std::size_t size;
    };
    QList<Trial> trials;
    Bytes scratch;
    for (qsizetype i = 0; i < layouts.size(); ++i) {
        const Layout& layout = layouts[i];
        const QList<std::pair<int, int>> bands = trialBands(layout, 2 * 1024 * 1024);
        for (Strategy strategy : kStrategies) {
            if (quickly && strategy != Strategy::Fixed0 && strategy != Strategy::MinimumSum &&
                strategy != Strategy::Deflated)
                continue;
            std::size_t size = 0;
            for (const auto& [from, to] : bands) {
                const Bytes rows = filtered(layout, strategy, from, to, quick.get());
                size += deflatedSize(judge.get(), rows.data(), rows.size(), scratch);
            }
            trials.append({i, strategy, size + std::size_t(layout.palette.size() + layout.transparency.size())});
        }
    }
    // The judge's order is not quite the final one: the best few go through the final level.
    std::sort(trials.begin(), trials.end(), [](const Trial& a, const Trial& b) { return a.size < b.size; });
    const bool small = layouts.first().rows.size() <= kFinalistsMaxBytes;
    const qsizetype finalists = quickly || !small ? 1 : std::min<qsizetype>(3, trials.size());
    Bytes rows;
    Bytes deflated;
    qsizetype best = 0;
    const Compressor last = compressor(quickly ? 10 : 12);
    const double started = threadSeconds();
    for (qsizetype i = 0; i < finalists; ++i) {
        const Trial& trial = trials[i];
        Bytes candidate = filtered(layouts[trial.layout], trial.strategy, 0, layouts[trial.layout].height, quick.get());
        Bytes compressed = zlibOf(last.get(), candidate.data(), candidate.size());
        const qsizetype extra = layouts[trial.layout].palette.size() + layouts[trial.layout].transparency.size();
        if (i == 0 || qsizetype(compressed.size()) + extra < qsizetype(deflated.size()) + layouts[best].palette.size() +
                                                                 layouts[best].transparency.size()) {
            rows = std::move(candidate);
            deflated = std::move(compressed);
            best = trial.layout;
        }
    }
    // zopfli's time follows libdeflate's on the same rows (both slow down on repetitive ones).
    const double deflateSeconds = std::max(1e-6, (threadSeconds() - started) / double(finalists));
    const Layout layout = layouts.takeAt(best);
    layouts.clear();
    const int iterations = int((seconds / deflateSeconds - kZopfliFixed) / kZopfliPerIteration);
    if (iterations >= 1) {
        ZopfliOptions options;
        ZopfliInitOptions(&options);
        // Most of zopfli's gain comes in its first iterations.
        options.numiterations = std::min(iterations, 15);
        unsigned char* out = nullptr;
        std::size_t outSize = 0;
        ZopfliCompress(&options, ZOPFLI_FORMAT_ZLIB, rows.data(), rows.size(), &out, &outSize);
        if (outSize < deflated.size())
            deflated.assign(out, out + outSize);
        std::free(out);
    }
    return fileOf(layout, chunks, deflated);
}
