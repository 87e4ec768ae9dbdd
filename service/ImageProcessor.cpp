#include "service/ImageProcessor.h"

#include "service/AvifEncoder.h"
#include "service/ErrorRegions.h"
#include "service/JpegEncoder.h"
#include "service/LosslessJpeg.h"
#include "service/MetadataFilter.h"
#include "service/PngEncoder.h"
#include "service/PngPalette.h"
#include "service/QualitySearch.h"
#include "service/SampledDistance.h"
#include "service/TileSample.h"
#include "service/VisualDistance.h"
#include "service/WebpEncoder.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <variant>
#include <vips/vips8>

using vips::VImage;
using vips::VOption;

namespace {

enum class Format
{
    Jpeg,
    Png,
    Gif,
    Tiff,
    Bmp,
    WebP,
    Heic,
    Avif,
};

// What each level promises the eye, as a butteraugli distance (see VisualDistance): Glossy looks the
// same as the original at 1:1, Lossy shows no loss at normal viewing. Lossless keeps every pixel.
double limitFor(OptimizeRequest::Level level)
{
    return level == OptimizeRequest::Level::Lossy ? 2.0 : 1.0;
}

// The tiles can miss a picture's worst spot (measured on the benchmark's pictures: up to a fifth
// further than the worst tile), so where a picture is sampled the search aims this far inside the
// promise.
constexpr double kSampleMargin = 0.88;

// The probes a lossy WebP search may add below the quality it found (see Searches::lossy): on the
// benchmark's grey photo, distance 1.98 at quality 90 and 2.05 at 92 left the search at 95, a third
// more bytes.
constexpr int kWebpCloseIn = 2;

// Where each encoder's search starts, from where such pictures usually land.
int startFor(OptimizeRequest::Level level, int lossy, int glossy)
{
    return level == OptimizeRequest::Level::Lossy ? lossy : glossy;
}

QString extensionOf(Format format)
{
    switch (format) {
    case Format::Jpeg:
        return QStringLiteral("jpg");
    case Format::Png:
        return QStringLiteral("png");
    case Format::Gif:
        return QStringLiteral("gif");
    case Format::Tiff:
        return QStringLiteral("tif");
    case Format::Bmp:
        return QStringLiteral("bmp");
    case Format::WebP:
        return QStringLiteral("webp");
    case Format::Heic:
        return QStringLiteral("heic");
    case Format::Avif:
        return QStringLiteral("avif");
    }
    return {};
}

QByteArray mimeTypeOf(const QString& extension)
{
    static const QHash<QString, QByteArray> types{
        {QStringLiteral("jpg"), "image/jpeg"},  {QStringLiteral("png"), "image/png"},
        {QStringLiteral("gif"), "image/gif"},   {QStringLiteral("tif"), "image/tiff"},
        {QStringLiteral("bmp"), "image/bmp"},   {QStringLiteral("webp"), "image/webp"},
        {QStringLiteral("heic"), "image/heic"}, {QStringLiteral("avif"), "image/avif"},
    };
    return types.value(extension, "application/octet-stream");
}

// Only the loaders of the formats this service offers; libvips can read much more (PDF, SVG, FITS,
// everything ImageMagick knows), which would widen the attack surface for nothing.
std::optional<Format> detectFormat(const QString& path, const char* loader)
{
    if (!loader)
        return std::nullopt;
    const char* nickname = vips_nickname_find(g_type_from_name(loader));
    const QByteArray name(nickname ? nickname : "");
    if (name == "jpegload")
        return Format::Jpeg;
    if (name == "pngload")
        return Format::Png;
    if (name == "gifload")
        return Format::Gif;
    if (name == "tiffload")
        return Format::Tiff;
    if (name == "webpload")
        return Format::WebP;
    if (name == "heifload")
        return Format::Heic; // told apart from AVIF once the header is read
    if (name == "magickload") {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly) && file.read(2) == "BM")
            return Format::Bmp;
    }
    return std::nullopt;
}

bool supportsPages(Format format)
{
    return format == Format::Gif || format == Format::WebP || format == Format::Tiff || format == Format::Heic;
}

QByteArray takeBlob(VipsBlob* blob)
{
    std::size_t length = 0;
    const void* bytes = vips_blob_get(blob, &length);
    QByteArray result(static_cast<const char*>(bytes), static_cast<qsizetype>(length));
    vips_area_unref(reinterpret_cast<VipsArea*>(blob));
    return result;
}

ImageProcessor::Result refusal(ImageProcessor::Outcome outcome, const QString& message)
{
    ImageProcessor::Result result;
    result.outcome = outcome;
    result.message = message;
    return result;
}

QString megapixels(qint64 pixels)
{
    return QString::number(static_cast<double>(pixels) / 1e6, 'f', 0);
}

QByteArray saveTiff(const VImage& image, std::optional<int> jpegQuality, bool keepMetadata)
{
    VOption* options = VImage::option()->set("strip", !keepMetadata);
    if (jpegQuality)
        options->set("compression", VIPS_FOREIGN_TIFF_COMPRESSION_JPEG)->set("Q", *jpegQuality);
    else
        options->set("compression", VIPS_FOREIGN_TIFF_COMPRESSION_DEFLATE)
            ->set("predictor", VIPS_FOREIGN_TIFF_PREDICTOR_HORIZONTAL);
    return takeBlob(image.tiffsave_buffer(options));
}

QByteArray saveGif(const VImage& image, bool keepMetadata)
{
    return takeBlob(image.gifsave_buffer(VImage::option()->set("effort", 7)->set("strip", !keepMetadata)));
}

// The decoded pixels of an encoded tile; the bytes go, the pixels stay.
VImage decoded(const QByteArray& data)
{
    return VImage::new_from_buffer(data.constData(), static_cast<std::size_t>(data.size()), "").copy_memory();
}

// The decoded pixels of a JPEG made here, read once from the top as they are asked for: the whole
// picture is never held. The image keeps its own copy of the bytes.
VImage streamed(const QByteArray& jpeg)
{
    VipsBlob* blob = vips_blob_copy(jpeg.constData(), static_cast<std::size_t>(jpeg.size()));
    VImage image = VImage::jpegload_buffer(blob, VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL));
    vips_area_unref(reinterpret_cast<VipsArea*>(blob));
    return image;
}

// An upload that libvips has opened: only its header is read until the pixels are asked for.
struct Decoded
{
    VImage image;
    Format format;
    qint64 fileSize;
};

// The pixels every encoder reads, decoded once, with what was done to them on the way.
struct Prepared
{
    VImage pixels;
    QSize size;
    bool multiPage = false;
    bool geometryChanged = false;
    bool converted = false; // CMYK turned into RGB on request
    int orientation = 1;
    QList<ImageProcessor::Note> notes;
};

using DecodeStep = std::variant<Decoded, ImageProcessor::Result>;
using PrepareStep = std::variant<Prepared, ImageProcessor::Result>;

QString notAnImageMessage()
{
    return QStringLiteral(
        "The file is not an image this service can read. Supported are JPEG, PNG, GIF, TIFF, BMP, WebP and HEIC/HEIF.");
}

ImageProcessor::Result tooLarge(const char* what, QSize size, qint64 limit)
{
    return refusal(ImageProcessor::Outcome::TooLarge, QStringLiteral("%1: %2×%3 pixels, the limit is %4 megapixels.")
                                                          .arg(QLatin1String(what))
                                                          .arg(size.width())
                                                          .arg(size.height())
                                                          .arg(megapixels(limit)));
}

DecodeStep decode(const QString& path, const ImageProcessor::Settings& settings)
{
    const QByteArray fileName = QFile::encodeName(path);
    const char* loader = vips_foreign_find_load(fileName.constData());
    if (!loader)
        vips_error_clear();
    std::optional<Format> format = detectFormat(path, loader);
    if (!format)
        return refusal(ImageProcessor::Outcome::NotAnImage, notAnImageMessage());

    VOption* options = VImage::option()->set("fail_on", VIPS_FAIL_ON_TRUNCATED);
    if (supportsPages(*format))
        options->set("n", -1);
    VImage image = VImage::new_from_file(fileName.constData(), options);
    if (*format == Format::Heic && image.get_typeof("heif-compression") != 0 &&
        QByteArray(image.get_string("heif-compression")) == "av1")
        format = Format::Avif;
    if (qint64(image.width()) * image.height() > settings.maxPixels)
        return tooLarge("The image is too large to process", {image.width(), image.height()}, settings.maxPixels);
    return Decoded{image, *format, QFileInfo(path).size()};
}

// The upload itself as every result, once it is known to be an image within the limits.
ImageProcessor::Result passThrough(const Decoded& decoded, const OptimizeRequest& request)
{
    using Kind = ImageProcessor::Kind;
    ImageProcessor::Result result;
    result.originalExtension = extensionOf(decoded.format);
    const QByteArray mimeType = mimeTypeOf(result.originalExtension);
    QList<Kind> kinds{Kind::Lossy, Kind::Lossless};
    if (request.webp)
        kinds << Kind::WebPLossy;
    if (request.avif)
        kinds << Kind::AvifLossy;
    for (Kind kind : kinds)
        result.outputs.append({kind, {}, true, result.originalExtension, mimeType});
    result.notes << ImageProcessor::Note::PassedThrough;
    result.width = decoded.image.width();
    result.height = vips_image_get_page_height(decoded.image.get_image());
    return result;
}

PrepareStep prepare(const Decoded& decoded, const OptimizeRequest& request, const ImageProcessor::Settings& settings)
{
    Prepared prepared;
    const VImage& image = decoded.image;
    const int pages = vips_image_get_n_pages(image.get_image());
    prepared.multiPage = pages > 1 && vips_image_get_page_height(image.get_image()) * pages == image.height();
    prepared.orientation = image.get_typeof("orientation") != 0 ? image.get_int("orientation") : 1;
    const bool strip = !request.keepExif;

    VImage pixels = image;
    if (!prepared.multiPage && prepared.orientation > 1 && prepared.orientation <= 8)
        pixels = pixels.autorot();

    const bool hasProfile = pixels.get_typeof(VIPS_META_ICC_NAME) != 0;
    if (pixels.interpretation() == VIPS_INTERPRETATION_CMYK && request.cmykToRgb) {
        // The embedded profile when there is one, libvips' built-in CMYK profile otherwise.
        pixels = pixels.icc_transform("srgb", VImage::option()->set("embedded", true)->set("input_profile", "cmyk"));
        prepared.converted = true;
    }

    QSize size(pixels.width(), prepared.multiPage ? vips_image_get_page_height(pixels.get_image()) : pixels.height());
    const QSize target =
        ImageProcessor::fittedSize(size * request.upscale, request.resize, request.width, request.height);
    if (target != size) {
        if (prepared.multiPage) {
            prepared.notes << ImageProcessor::Note::FramesNotResized;
        } else {
            if (qint64(target.width()) * target.height() > settings.maxPixels)
                return tooLarge("The resized image would be too large", target, settings.maxPixels);
            const double hscale = static_cast<double>(target.width()) / size.width();
            const double vscale = static_cast<double>(target.height()) / size.height();
            pixels =
                pixels.resize(hscale, VImage::option()->set("vscale", vscale)->set("kernel", VIPS_KERNEL_LANCZOS3));
            prepared.geometryChanged = true;
            size = target;
        }
    }
    if (strip && hasProfile && pixels.interpretation() != VIPS_INTERPRETATION_CMYK) {
        // Stripping drops the colour profile too; bake it into sRGB first so colours stay right.
        try {
            pixels = pixels.icc_transform("srgb", VImage::option()->set("embedded", true));
        } catch (const vips::VError&) {
            vips_error_clear(); // a broken profile: keep the pixels as they are
        }
    }
    // Decode once; every encoder reads the same pixels.
    prepared.pixels = pixels.copy_memory();
    prepared.size = size;
    return prepared;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The searches of one picture: they share its sample of tiles, chosen once.
class Searches
{
public:
    // `pixels` are measured; `output`, the same with only the metadata that may go out, is encoded.
    Searches(const VImage& pixels, const VImage& output, OptimizeRequest::Level level, bool keepMetadata)
        : m_pixels(pixels)
        , m_output(output)
        , m_level(level)
        , m_keepMetadata(keepMetadata)
    {
    }

    double target(OptimizeRequest::Level level) { return limitFor(level) * (sample().isWhole() ? 1.0 : kSampleMargin); }

    // The JPEG at the lowest quality that keeps the promise, at most at `highest`; nothing when none does.
    std::optional<QByteArray> jpeg(OptimizeRequest::Level level, int highest, const QList<JpegEncoder::Marker>& markers)
    {
        using Chroma = JpegEncoder::Chroma;
        const double limit = target(level);
        const JpegEncoder::LumaTable luma = level == OptimizeRequest::Level::Lossy ? JpegEncoder::LumaTable::Structural
                                                                                   : JpegEncoder::LumaTable::Standard;
        const auto searchWith = [&](Chroma chroma, int start) {
            return QualitySearch::lowest({30, highest, start}, limit, [&](int q) {
                return sample().measure(
                    [&](const VImage& tile) {
                        return decoded(JpegEncoder::encode(tile, {q, chroma, false, luma}));
                    },
                    limit);
            });
        };
        const int start = startFor(level, 86, 93);
        std::optional<QualitySearch::Probe> half = searchWith(Chroma::Half, start);
        std::optional<QualitySearch::Probe> full;
        // Full chroma only where half breaks the promise or needs a quality at which full often costs
        // less; it holds twice the coefficients, which a very large picture cannot afford.
        const bool colour = m_pixels.bands() >= 3 && m_pixels.interpretation() != VIPS_INTERPRETATION_CMYK;
        if (colour && qint64(m_pixels.width()) * m_pixels.height() <= kFullChromaMaxPixels &&
            (!half || half->quality >= 90))
            full = searchWith(Chroma::Full, half ? half->quality - 6 : start);
        if (!half && !full)
            return std::nullopt;
        JpegEncoder::Settings chosen{half ? half->quality : full->quality, half ? Chroma::Half : Chroma::Full, true,
                                     luma};
        if (half && full) {
            const auto sampleBytes = [&](JpegEncoder::Settings settings) {
                return sample().bytes([&](const VImage& tile) { return JpegEncoder::encode(tile, settings).size(); });
            };
            const JpegEncoder::Settings other{full->quality, Chroma::Full, true, luma};
            if (sampleBytes(other) < sampleBytes(chosen))
                chosen = other;
        }
        return keptEverywhere(level, chosen.quality, kJpegRaise, highest, [&](int quality) {
            chosen.quality = quality;
            return JpegEncoder::encode(m_output, chosen, markers);
        });
    }

    // A palette PNG that keeps the promise, or nothing. Palettes are tried from libimagequant's best
    // down, since on real pictures only the top of its scale comes near the promise (a photo fails it even
    // there, a graphic rarely keeps it below 90), and the descent stops at the first that fails. On a
    // picture several times the size of the places where a palette's error shows most, those places are
    // measured first, and only the lowest palette that passed there is measured in full (then the ones
    // above it, should it fail).
    std::optional<QByteArray> palette(OptimizeRequest::Level level)
    {
        const double limit = target(level);
        const VImage eight = eightBit();
        const bool checkFirst = qint64(eight.width()) * eight.height() > kCheckFirstPixels;
        PngPalette colours(eight);
        QList<VImage> passed;
        std::optional<VImage> exact;
        // The exact palette is written with every way judged, which the quick lossless candidate is not.
        const auto otherwise = [&]() -> std::optional<QByteArray> {
            return exact ? std::optional(PngEncoder::palette(*exact, eight, m_keepMetadata)) : std::nullopt;
        };
        for (int quality : kPaletteQualities) {
            std::optional<VImage> candidate = colours.at(quality, kDither);
            if (!candidate)
                break;
            // A picture of few colours comes back as it is at the top, within any promise.
            if (m_pixels.format() == VIPS_FORMAT_UCHAR && (*candidate == eight).min() == 255.0) {
                exact = candidate;
                continue;
            }
            const double distance =
                checkFirst ? ErrorRegions::distance(m_pixels, *candidate,
                                                    ErrorRegions::of(eight, *candidate, kErrorRegions), limit)
                           : sample().measureWhole(*candidate, limit);
            if (distance > limit)
                break;
            passed << *candidate;
        }
        if (passed.isEmpty())
            return otherwise();
        // A candidate that got past the check and failed in full is rare, and each full measure costs as
        // much as the whole descent: the lowest, one in the middle, then the best.
        QList<qsizetype> order{passed.size() - 1, (passed.size() - 1) / 2, 0};
        order.erase(std::unique(order.begin(), order.end()), order.end());
        for (qsizetype i : order) {
            if ((!checkFirst || sample().measureWhole(passed[i], limit) <= limit) && keepsEverywhere(passed[i], level))
                return PngEncoder::palette(passed[i], eight, m_keepMetadata);
        }
        return otherwise();
    }

    // A 16-bit picture in 8 bits, where that keeps the promise.
    std::optional<QByteArray> eightBitPng(OptimizeRequest::Level level)
    {
        if (m_pixels.format() != VIPS_FORMAT_USHORT)
            return std::nullopt;
        const double limit = target(level);
        if (sample().measureWhole(eightBit(), limit) > limit)
            return std::nullopt;
        return PngEncoder::lossless(eightBit(), m_keepMetadata, false);
    }

    struct Attempt
    {
        std::optional<QByteArray> data;
        bool promiseKept = false; // a quality kept it, though its file may not have been worth making
    };

    // Lossy WebP, AVIF or HEIC at the lowest quality that keeps the promise. With `worthBelow`, a file
    // that the sample shows would not come in under that size is not made at all: encoding a whole large
    // picture costs many times the search. With `closeIn`, up to that many more probes halve the gap
    // between the quality found and the highest below it that failed: an encoder whose distance does not
    // fall steadily with quality (WebP's, by a tenth and more from one step to the next) can stop the search
    // on a good probe close to the limit far above a lower one that keeps the promise too.
    Attempt lossy(OptimizeRequest::Level level, const std::function<QByteArray(const VImage&, int)>& save,
                  QualitySearch::Range range, const VImage& output, qint64 worthBelow = 0, int closeIn = 0)
    {
        const double limit = target(level);
        QHash<int, qint64> wholeBytes; // for a quality that kept the promise, on every tile
        std::map<int, double> distances;
        const auto distanceAt = [&](int q) {
            const SampledDistance::Measure measure =
                sample().measureFiles([&](const VImage& tile) { return save(tile, q); }, limit);
            if (measure.wholeBytes)
                wholeBytes[q] = *measure.wholeBytes;
            distances[q] = measure.distance;
            return measure.distance;
        };
        std::optional<QualitySearch::Probe> found = QualitySearch::lowest(range, limit, distanceAt);
        if (!found)
            return {};
        for (int probe = 0; probe < closeIn; ++probe) {
            int failed = range.low - 1;
            for (const auto& [q, distance] : distances) {
                if (q < found->quality && distance > limit)
                    failed = std::max(failed, q);
            }
            if (found->quality - failed <= 2)
                break;
            const int middle = (failed + found->quality) / 2;
            const double distance = distanceAt(middle);
            if (distance <= limit)
                found = QualitySearch::Probe{middle, distance};
        }
        if (worthBelow > 0 && !worthMaking(wholeBytes.value(found->quality), worthBelow))
            return {std::nullopt, true};
        std::optional<QByteArray> file =
            keptEverywhere(level, found->quality, std::max(1, (range.high - range.low) / 16), range.high,
                           [&](int quality) { return save(output, quality); });
        if (!file)
            return {};
        return {std::move(file), true};
    }

    // The whole picture encoded at `quality`, or, where that fails the promise somewhere, at up to
    // kRaises steps of `step` above it, at most `highest`; nothing when none of them keeps it.
    std::optional<QByteArray> keptEverywhere(OptimizeRequest::Level level, int quality, int step, int highest,
                                             const std::function<QByteArray(int quality)>& encode)
    {
        QByteArray file = encode(quality);
        for (int raised = 0; !keepsEverywhere(decoded(file), level); ++raised) {
            if (raised == kRaises || quality >= highest)
                return std::nullopt;
            quality = std::min(highest, quality + step);
            file = encode(quality);
        }
        return file;
    }

    // Whether the picture is measured on tiles rather than whole.
    bool sampled() { return !sample().isWhole(); }

    // A sampled search saw its tiles only, which can miss the one place where a result fails the eye (a
    // photo's petals, a screenshot's text): a result that goes out is measured everywhere first, at
    // about half a second a megapixel, and where it fails, its quality is raised a few steps. A picture
    // measured whole in the search needs none of it.
    bool keepsEverywhere(const VImage& result, OptimizeRequest::Level level)
    {
        if (!sampled())
            return true;
        // Frames are searched as one tall picture, but a file of them decodes to its first frame alone.
        if (result.width() != m_pixels.width() || result.height() != m_pixels.height())
            return true;
        const double limit = limitFor(level);
        return VisualDistance::everywhere(m_pixels, result, limit) <= limit;
    }

    // Whether a file the sample shows would take `wholeBytes` may come in under `worthBelow`: the
    // sample's figure is an estimate, so only a clear excess says no.
    static bool worthMaking(qint64 wholeBytes, qint64 worthBelow)
    {
        return double(wholeBytes) < double(worthBelow) * kEstimateMargin;
    }

    // What the whole picture would take in a lossless encoder, from the sample.
    qint64 estimatedBytes(const std::function<QByteArray(const VImage&)>& save)
    {
        return sample().wholeBytes([&save](const VImage& tile) { return save(tile).size(); });
    }

private:
    static constexpr double kEstimateMargin = 1.15;
    static constexpr double kDither = 0.5; // half of libimagequant's: smooth gradients without grain
    static constexpr std::array kPaletteQualities{100, 97, 94, 90, 85, 80, 70, 55, 40};
    static constexpr int kErrorRegions = 4;
    // Four places' worth of pixels with their context: below this, the whole picture costs no more.
    static constexpr qint64 kCheckFirstPixels = 4 * kErrorRegions *
                                                qint64(ErrorRegions::kCell + 2 * ErrorRegions::kMargin) *
                                                (ErrorRegions::kCell + 2 * ErrorRegions::kMargin);
    static constexpr qint64 kFullChromaMaxPixels = 32'000'000;
    // How often, and by how much of a JPEG's quality, a result that failed somewhere is made again.
    static constexpr int kRaises = 3;
    static constexpr int kJpegRaise = 4;

    SampledDistance& sample()
    {
        if (!m_sample) {
            const auto trial = [this] {
                VImage colours = m_pixels.has_alpha()
                                     ? m_pixels.extract_band(0, VImage::option()->set("n", m_pixels.bands() - 1))
                                     : m_pixels;
                if (colours.interpretation() != VIPS_INTERPRETATION_CMYK)
                    colours =
                        colours.colourspace(colours.bands() >= 3 ? VIPS_INTERPRETATION_sRGB : VIPS_INTERPRETATION_B_W);
                if (colours.bands() == 2)
                    colours = colours.extract_band(0);
                const int q = startFor(m_level, 86, 93);
                // Compared with the picture in one pass, so it need not be held whole.
                return streamed(
                    JpegEncoder::encode(colours.cast(VIPS_FORMAT_UCHAR), {q, JpegEncoder::Chroma::Half, false}));
            };
            m_sample.emplace(m_pixels, trial);
        }
        return *m_sample;
    }

    VImage eightBit()
    {
        if (m_output.format() == VIPS_FORMAT_UCHAR)
            return m_output;
        if (!m_eightBit)
            m_eightBit =
                m_output.colourspace(m_output.bands() >= 3 ? VIPS_INTERPRETATION_sRGB : VIPS_INTERPRETATION_B_W)
                    .cast(VIPS_FORMAT_UCHAR)
                    .copy_memory();
        return *m_eightBit;
    }

    VImage m_pixels;
    VImage m_output;
    OptimizeRequest::Level m_level;
    bool m_keepMetadata;
    std::optional<SampledDistance> m_sample;
    std::optional<VImage> m_eightBit;
};

// The quality above which a re-encode of this JPEG would only copy its artefacts in more bytes.
int highestFor(const QByteArray& sourceJpeg)
{
    const std::optional<double> step = JpegEncoder::lowFrequencyStepOf(sourceJpeg);
    int q = 100;
    while (step && q > 30 && JpegEncoder::lowFrequencyStep(q) < *step)
        --q;
    return q;
}

ImageProcessor::Result encode(const QString& originalPath, const Decoded& decoded, Prepared prepared,
                              const OptimizeRequest& request)
{
    using Kind = ImageProcessor::Kind;
    using Note = ImageProcessor::Note;
    using Level = OptimizeRequest::Level;
    ImageProcessor::Result result;
    result.originalExtension = extensionOf(decoded.format);
    result.width = prepared.size.width();
    result.height = prepared.size.height();
    result.notes = prepared.notes;
    const Format format = decoded.format;
    const VImage& pixels = prepared.pixels;
    const VImage output = MetadataFilter::forOutput(pixels, request.keepExif);
    const bool lossless = request.level == Level::Lossless;
    // A result may only grow the file when the picture itself was changed on request; then the
    // original cannot stand in for it either.
    const bool pixelsChanged = prepared.geometryChanged || prepared.converted;
    Searches searches(pixels, output, request.level, request.keepExif);
    const QByteArray original = format == Format::Jpeg ? readFile(originalPath) : QByteArray();

    auto addMain = [&](Kind kind, std::optional<QByteArray> data, const QString& extension) {
        // A result that would grow the file helps nobody; the original stands in for it.
        if (!pixelsChanged && (!data || data->size() >= decoded.fileSize)) {
            // Said of the result the level asks for; the other kind is there for clients that choose.
            if (kind == (lossless ? Kind::Lossless : Kind::Lossy))
                result.notes << Note::OriginalKept;
            result.outputs.append({kind, {}, true, result.originalExtension, mimeTypeOf(result.originalExtension)});
            return;
        }
        result.outputs.append({kind, data ? std::move(*data) : QByteArray(), false, extension, mimeTypeOf(extension)});
    };
    const auto avifSave = [&request](VipsForeignHeifCompression compression) {
        return [compression, &request](const VImage& image, int q) {
            return AvifEncoder::encode(image, q, request.keepExif, compression);
        };
    };

    // The lossless variant, in the upload's format.
    std::optional<QByteArray> losslessData;
    QString losslessExtension = extensionOf(format == Format::Bmp ? Format::Png : format);
    if (format == Format::Jpeg && !pixelsChanged) {
        QString error;
        losslessData = LosslessJpeg::transcode(original, request.keepExif, prepared.orientation, &error);
        if (!losslessData)
            return refusal(ImageProcessor::Outcome::DamagedJpeg,
                           QStringLiteral("The JPEG data is damaged and cannot be recompressed."));
    } else {
        switch (format) {
        case Format::Jpeg:
            if (lossless)
                result.notes << Note::LosslessJpegAtHighestQuality;
            losslessData =
                JpegEncoder::encode(output, {100, JpegEncoder::Chroma::Full, true},
                                    request.keepExif ? JpegEncoder::metadataOf(output) : QList<JpegEncoder::Marker>());
            break;
        case Format::Png:
        case Format::Bmp:
            losslessData = PngEncoder::lossless(output, request.keepExif, lossless);
            break;
        case Format::Gif:
            losslessData = saveGif(output, request.keepExif);
            break;
        case Format::Tiff:
            losslessData = saveTiff(output, std::nullopt, request.keepExif);
            break;
        case Format::WebP:
            losslessData = WebpEncoder::encode(output, std::nullopt, request.keepExif);
            break;
        case Format::Heic:
            losslessData =
                AvifEncoder::encode(output, std::nullopt, request.keepExif, VIPS_FOREIGN_HEIF_COMPRESSION_HEVC);
            break;
        case Format::Avif:
            losslessData =
                AvifEncoder::encode(output, std::nullopt, request.keepExif, VIPS_FOREIGN_HEIF_COMPRESSION_AV1);
            break;
        }
    }

    if (!lossless) {
        std::optional<QByteArray> data;
        // Only a file smaller than the upload is worth making, unless the pixels had to change.
        const qint64 worthBelow = pixelsChanged ? 0 : decoded.fileSize;
        switch (format) {
        case Format::Jpeg: {
            const int highest = pixelsChanged ? 100 : highestFor(original);
            data = searches.jpeg(request.level, highest,
                                 request.keepExif ? JpegEncoder::metadataOf(output) : QList<JpegEncoder::Marker>());
            if (!data && pixelsChanged) // changed pixels need an output; the best this format can do
                data = JpegEncoder::encode(output, {100, JpegEncoder::Chroma::Full, true},
                                           request.keepExif ? JpegEncoder::metadataOf(output)
                                                            : QList<JpegEncoder::Marker>());
            // A picture near the floor of its coding (a smooth gradient at a high quality) can come out
            // smaller copied losslessly than re-encoded within the promise.
            if (losslessData && (!data || losslessData->size() <= data->size()))
                data = losslessData;
            break;
        }
        case Format::Png:
        case Format::Bmp:
            if (!prepared.multiPage)
                data = searches.palette(request.level);
            if (!data)
                data = searches.eightBitPng(request.level);
            if (!data || (losslessData && losslessData->size() <= data->size()))
                data = losslessData;
            break;
        case Format::Gif:
            data = losslessData;
            break;
        case Format::Tiff: {
            const bool jpegCompressible = !pixels.has_alpha() && pixels.format() == VIPS_FORMAT_UCHAR &&
                                          (pixels.bands() == 1 || pixels.bands() == 3);
            data = jpegCompressible ? saveTiff(output, request.level == Level::Lossy ? 85 : 93, request.keepExif)
                                    : *losslessData;
            break;
        }
        case Format::WebP:
            data = searches
                       .lossy(
                           request.level,
                           [&request](const VImage& image, int q) {
                               return WebpEncoder::encode(image, q, request.keepExif);
                           },
                           {20, 100, startFor(request.level, 80, 90)}, output, worthBelow, kWebpCloseIn)
                       .data;
            break;
        case Format::Heic:
            data = searches
                       .lossy(request.level, avifSave(VIPS_FOREIGN_HEIF_COMPRESSION_HEVC),
                              {20, 100, startFor(request.level, 60, 75)}, output, worthBelow)
                       .data;
            break;
        case Format::Avif:
            data = searches
                       .lossy(request.level, avifSave(VIPS_FOREIGN_HEIF_COMPRESSION_AV1),
                              {20, 100, startFor(request.level, 60, 75)}, output, worthBelow)
                       .data;
            break;
        }
        if (!data && pixelsChanged)
            data = losslessData;
        addMain(Kind::Lossy, std::move(data), format == Format::Bmp ? QStringLiteral("png") : losslessExtension);
    }
    if (format == Format::Jpeg && !pixelsChanged)
        losslessExtension = QStringLiteral("jpg");
    addMain(Kind::Lossless, std::move(losslessData), losslessExtension);

    // A companion is worth offering only below the main output the client would take.
    const qint64 mainSize = result.outputs.first().isOriginal ? decoded.fileSize : result.outputs.first().data.size();
    // At the Lossless level a lossless companion of a photo is often several times the original, so a
    // visually lossless one stands in; if that is no smaller either, none is offered.
    auto addCompanion = [&](Kind losslessKind, Kind lossyKind, Note lossyInstead, Note none, const QString& extension,
                            const std::function<QByteArray(const VImage&, std::optional<int>)>& save,
                            QualitySearch::Range lossyRange, QualitySearch::Range glossyRange,
                            const std::function<Searches::Attempt(Level, qint64)>& otherwise = {}, int closeIn = 0) {
        Kind kind = lossless ? losslessKind : lossyKind;
        const auto lossyOrOtherwise = [&](Level level, qint64 worthBelow) {
            Searches::Attempt attempt = searches.lossy(
                level, [&save](const VImage& image, int q) { return save(image, q); },
                level == Level::Lossy ? lossyRange : glossyRange, output, worthBelow, closeIn);
            // Where the lossy way kept the promise only in too many bytes, the other way, closer to
            // lossless, would take more.
            return attempt.promiseKept || !otherwise ? attempt.data : otherwise(level, worthBelow).data;
        };
        std::optional<QByteArray> data;
        if (lossless) {
            const qint64 worthBelow = pixelsChanged ? mainSize : std::min(mainSize, decoded.fileSize);
            const auto losslessTile = [&save](const VImage& tile) { return save(tile, std::nullopt); };
            if (!searches.sampled() || Searches::worthMaking(searches.estimatedBytes(losslessTile), worthBelow))
                data = save(output, std::nullopt);
            if (!pixelsChanged && (!data || data->size() >= decoded.fileSize)) {
                kind = lossyKind;
                data = lossyOrOtherwise(Level::Glossy, mainSize);
                result.notes << lossyInstead;
            }
        } else {
            data = lossyOrOtherwise(request.level, mainSize);
        }
        if (!data || data->size() >= mainSize) {
            result.notes << none;
            return;
        }
        result.outputs.append({kind, std::move(*data), false, extension, mimeTypeOf(extension)});
    };
    if (request.webp) {
        // Lossy WebP has a floor (chroma at half resolution, video range) that keeps it from the Glossy
        // promise and often from the Lossy one; near-lossless WebP stands in where it cannot.
        addCompanion(
            Kind::WebPLossless, Kind::WebPLossy, Note::WebPLossyInstead, Note::NoWebP, QStringLiteral("webp"),
            [&request](const VImage& image, std::optional<int> q) {
                return WebpEncoder::encode(image, q, request.keepExif);
            },
            {20, 100, 80}, {20, 100, 90},
            [&](Level level, qint64 worthBelow) {
                // libwebp moves pixels by one of six amounts, a fifth of its quality scale each: only those
                // are searched.
                constexpr int kStep = 20;
                return searches.lossy(
                    level,
                    [&request](const VImage& image, int step) {
                        return WebpEncoder::encode(image, step * kStep, request.keepExif,
                                                   WebpEncoder::Mode::NearLossless);
                    },
                    {0, 100 / kStep, 60 / kStep}, output, worthBelow);
            },
            kWebpCloseIn);
    }
    if (request.avif) {
        if (prepared.multiPage) {
            result.notes << Note::NoAvifOfFrames;
        } else {
            addCompanion(Kind::AvifLossless, Kind::AvifLossy, Note::AvifLossyInstead, Note::NoAvif,
                         QStringLiteral("avif"),
                         [&request](const VImage& image, std::optional<int> q) {
                             return AvifEncoder::encode(image, q, request.keepExif);
                         },
                         {20, 100, 60}, {20, 100, 75});
        }
    }
    return result;
}

QString noteText(ImageProcessor::Note note)
{
    using Note = ImageProcessor::Note;
    switch (note) {
    case Note::OriginalKept:
        return QStringLiteral(
            "The optimized image was not smaller than the original, so the original is returned unchanged.");
    case Note::FramesNotResized:
        return QStringLiteral("Images with several frames or pages are not resized.");
    case Note::LosslessJpegAtHighestQuality:
        return QStringLiteral(
            "The pixels were changed as requested, so the lossless result is a JPEG at the highest quality.");
    case Note::WebPLossyInstead:
        return QStringLiteral("A lossless WebP version would be larger than the original, so a visually lossless one "
                              "is offered instead.");
    case Note::AvifLossyInstead:
        return QStringLiteral("A lossless AVIF version would be larger than the original, so a visually lossless one "
                              "is offered instead.");
    case Note::NoWebP:
        return QStringLiteral("No WebP version is offered: it would not be smaller than the optimized image.");
    case Note::NoAvif:
        return QStringLiteral("No AVIF version is offered: it would not be smaller than the optimized image.");
    case Note::NoAvifOfFrames:
        return QStringLiteral("No AVIF version is made of images with several frames or pages.");
    case Note::PassedThrough:
        return QStringLiteral("Passed through unchanged.");
    }
    return {};
}

// "Optimized." and the notes, unless what comes first says that nothing was.
QString describe(const QList<ImageProcessor::Note>& notes)
{
    using Note = ImageProcessor::Note;
    QStringList sentences;
    if (notes.isEmpty() || (notes.first() != Note::OriginalKept && notes.first() != Note::PassedThrough))
        sentences << QStringLiteral("Optimized.");
    for (Note note : notes)
        sentences << noteText(note);
    return sentences.join(QLatin1Char(' '));
}

} // namespace

int ImageProcessor::Result::code() const
{
    switch (outcome) {
    case Outcome::Done:
        return 2;
    case Outcome::TooLarge:
        return 413;
    case Outcome::NotAnImage:
    case Outcome::Damaged:
    case Outcome::DamagedJpeg:
        return 415;
    case Outcome::Failed:
        return 500;
    }
    return 500;
}

double ImageProcessor::peakBytesPerPixel(int bands, int bytesPerSample, bool webp, bool palette,
                                         bool jpegWithFullChroma)
{
    const double pixels = double(bands) * bytesPerSample;
    // A 16-bit picture is also held in 8 bits while a palette is tried.
    const double eightBit = palette && bytesPerSample > 1 ? bands : 0.0;
    // libimagequant reads an RGBA copy of the whole picture and keeps maps of its noise and edges, a
    // byte a pixel holds the indices of each candidate, and the candidate that passed is written from
    // its own RGBA picture: 12 bytes a pixel as measured on 100 megapixels (5 were counted before, and
    // two such pictures at once went past the budget).
    const double palettes = palette ? 12.0 : 0.0;
    const double coefficients = JpegEncoder::bytesPerPixel(
        jpegWithFullChroma ? JpegEncoder::Chroma::Full : JpegEncoder::Chroma::Half, bands >= 3 ? 3 : 1);
    constexpr double kResults = 1.0; // the upload's size at most for each of a few results, in practice far less
    // A WebP companion may be coded losslessly (near-lossless where lossy WebP cannot keep the promise):
    // libwebp then holds the picture in ARGB and, as measured on 100 megapixels, twice that again.
    const double losslessWebp = webp ? 12.0 : 0.0;
    return pixels + std::max({eightBit + palettes, coefficients, losslessWebp}) + kResults;
}

qint64 ImageProcessor::measuringPeakBytes(qint64 pixels)
{
    // A small picture is measured whole; a larger one a tile with its context at a time, with the
    // tiles kept for reference.
    const qint64 tilePixels = qint64(TileSample::kTile) * TileSample::kTile;
    if (pixels <= TileSample::kMinTiles * tilePixels)
        return pixels * VisualDistance::kBytesPerPixel;
    const qint64 side = TileSample::kTile + 2 * TileSample::kMargin;
    return TileSample::maxPixels() * 4 + side * side * VisualDistance::kBytesPerPixel;
}

QString ImageProcessor::kindName(Kind kind)
{
    switch (kind) {
    case Kind::Lossy:
        return QStringLiteral("Lossy");
    case Kind::Lossless:
        return QStringLiteral("Lossless");
    case Kind::WebPLossy:
        return QStringLiteral("WebPLossy");
    case Kind::WebPLossless:
        return QStringLiteral("WebPLossless");
    case Kind::AvifLossy:
        return QStringLiteral("AVIFLossy");
    case Kind::AvifLossless:
        return QStringLiteral("AVIFLossless");
    }
    return {};
}

QSize ImageProcessor::fittedSize(QSize input, OptimizeRequest::Resize mode, std::optional<int> width,
                                 std::optional<int> height)
{
    if (mode == OptimizeRequest::Resize::None || (!width && !height) || input.isEmpty())
        return input;
    const double sx = width ? static_cast<double>(*width) / input.width() : 0.0;
    const double sy = height ? static_cast<double>(*height) / input.height() : 0.0;
    double scale = 0.0;
    if (width && height)
        scale = mode == OptimizeRequest::Resize::Cover ? std::max(sx, sy) : std::min(sx, sy);
    else
        scale = width ? sx : sy;
    scale = std::min(scale, 1.0);
    return {std::max(1, static_cast<int>(std::lround(input.width() * scale))),
            std::max(1, static_cast<int>(std::lround(input.height() * scale)))};
}

std::optional<ImageProcessor::Header> ImageProcessor::readHeader(const QString& originalPath)
{
    try {
        Settings unlimited;
        unlimited.maxPixels = std::numeric_limits<qint64>::max();
        const DecodeStep decoded = decode(originalPath, unlimited);
        const auto* opened = std::get_if<Decoded>(&decoded);
        if (!opened)
            return std::nullopt;
        const VImage& image = opened->image;
        return Header{{image.width(), image.height()},
                      vips_image_get_n_pages(image.get_image()),
                      image.bands(),
                      int(vips_format_sizeof(image.format())),
                      opened->format == Format::Png || opened->format == Format::Bmp};
    } catch (const std::exception&) {
        vips_error_clear();
        return std::nullopt;
    }
}

ImageProcessor::Result ImageProcessor::process(const QString& originalPath, const OptimizeRequest& request,
                                               const Settings& settings)
{
    try {
        DecodeStep decoded = decode(originalPath, settings);
        if (auto* refused = std::get_if<Result>(&decoded))
            return *refused;
        const Decoded& image = std::get<Decoded>(decoded);
        Result result;
        if (settings.passthrough) {
            result = passThrough(image, request);
        } else {
            PrepareStep prepared = prepare(image, request, settings);
            if (auto* refused = std::get_if<Result>(&prepared))
                return *refused;
            result = encode(originalPath, image, std::get<Prepared>(std::move(prepared)), request);
        }
        if (result.outcome == Outcome::Done)
            result.message = describe(result.notes);
        return result;
    } catch (const vips::VError&) {
        vips_error_clear();
        return refusal(Outcome::Damaged, QStringLiteral("The image data is damaged or incomplete and cannot be read."));
    } catch (const std::bad_alloc&) {
        // On a worker thread nothing else would catch it, and the whole service would end.
        return refusal(Outcome::Failed,
                       QStringLiteral("The service ran out of memory for this image. Try again later."));
    } catch (const std::exception& error) {
        vips_error_clear();
        return refusal(Outcome::Failed,
                       QStringLiteral("The image could not be processed: %1.").arg(QString::fromUtf8(error.what())));
    }
}
