#include "ImageProcessor.h"

#include "LosslessJpeg.h"

#include <QHash>
#include <QStringList>

#include <cmath>
#include <functional>
#include <optional>
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

struct Quality
{
    int jpeg;
    int png;
    int webp;
    int avif;
};

Quality qualityFor(OptimizeRequest::Level level)
{
    // Glossy keeps more detail than Lossy; Lossless only uses these for the pixel-changing paths.
    if (level == OptimizeRequest::Level::Lossy)
        return {78, 70, 75, 50};
    return {90, 90, 88, 70};
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
std::optional<Format> detectFormat(const QByteArray& data, const char* loader)
{
    if (!loader)
        return std::nullopt;
    const char* nickname = vips_nickname_find(g_type_from_name(loader));
    const QByteArray name(nickname ? nickname : "");
    if (name == "jpegload_buffer")
        return Format::Jpeg;
    if (name == "pngload_buffer")
        return Format::Png;
    if (name == "gifload_buffer")
        return Format::Gif;
    if (name == "tiffload_buffer")
        return Format::Tiff;
    if (name == "webpload_buffer")
        return Format::WebP;
    if (name == "heifload_buffer")
        return Format::Heic; // told apart from AVIF once the header is read
    if (name == "magickload_buffer" && data.startsWith("BM"))
        return Format::Bmp;
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

ImageProcessor::Result failure(int code, const QString& message)
{
    ImageProcessor::Result result;
    result.code = code;
    result.message = message;
    return result;
}

QString megapixels(qint64 pixels)
{
    return QString::number(static_cast<double>(pixels) / 1e6, 'f', 0);
}

QByteArray saveJpeg(const VImage& image, int quality, bool strip, bool keepChroma)
{
    VOption* options = VImage::option()->set("Q", quality)->set("optimize_coding", true)->set("strip", strip);
    if (keepChroma)
        options->set("subsample_mode", VIPS_FOREIGN_SUBSAMPLE_OFF);
    return takeBlob(image.jpegsave_buffer(options));
}

QByteArray savePng(const VImage& image, std::optional<int> paletteQuality, bool strip)
{
    VOption* options = VImage::option()->set("compression", 9)->set("strip", strip);
    if (paletteQuality)
        options->set("palette", true)->set("Q", *paletteQuality)->set("effort", 7);
    return takeBlob(image.pngsave_buffer(options));
}

QByteArray saveWebp(const VImage& image, std::optional<int> quality, bool strip)
{
    VOption* options = VImage::option()->set("strip", strip)->set("effort", 4);
    if (quality)
        options->set("Q", *quality)->set("smart_subsample", true);
    else
        options->set("lossless", true);
    return takeBlob(image.webpsave_buffer(options));
}

QByteArray saveHeif(const VImage& image, VipsForeignHeifCompression compression, std::optional<int> quality, bool strip)
{
    // Effort 2 keeps AV1 encoding to seconds on a small machine; higher efforts gain a few percent.
    VOption* options = VImage::option()->set("compression", compression)->set("strip", strip)->set("effort", 2);
    if (quality)
        options->set("Q", *quality);
    else
        options->set("lossless", true);
    return takeBlob(image.heifsave_buffer(options));
}

QByteArray saveTiff(const VImage& image, std::optional<int> jpegQuality, bool strip)
{
    VOption* options = VImage::option()->set("strip", strip);
    if (jpegQuality)
        options->set("compression", VIPS_FOREIGN_TIFF_COMPRESSION_JPEG)->set("Q", *jpegQuality);
    else
        options->set("compression", VIPS_FOREIGN_TIFF_COMPRESSION_DEFLATE)
            ->set("predictor", VIPS_FOREIGN_TIFF_PREDICTOR_HORIZONTAL);
    return takeBlob(image.tiffsave_buffer(options));
}

QByteArray saveGif(const VImage& image, bool strip)
{
    return takeBlob(image.gifsave_buffer(VImage::option()->set("effort", 7)->set("strip", strip)));
}

// The optimized image in the upload's own format (BMP becomes PNG: BMP has no compression worth the
// name). `quality` is empty for the lossless variant.
std::pair<QByteArray, QString> encodeMain(const VImage& image, Format format, std::optional<Quality> quality,
                                          bool strip)
{
    switch (format) {
    case Format::Jpeg:
        return {saveJpeg(image, quality ? quality->jpeg : 95, strip, !quality), QStringLiteral("jpg")};
    case Format::Png:
    case Format::Bmp:
        return {savePng(image, quality ? std::optional(quality->png) : std::nullopt, strip), QStringLiteral("png")};
    case Format::Gif:
        return {saveGif(image, strip), QStringLiteral("gif")};
    case Format::Tiff: {
        const bool jpegCompressible = quality && !image.has_alpha() && image.format() == VIPS_FORMAT_UCHAR &&
                                      (image.bands() == 1 || image.bands() == 3);
        return {saveTiff(image, jpegCompressible ? std::optional(quality->jpeg) : std::nullopt, strip),
                QStringLiteral("tif")};
    }
    case Format::WebP:
        return {saveWebp(image, quality ? std::optional(quality->webp) : std::nullopt, strip), QStringLiteral("webp")};
    case Format::Heic:
        return {saveHeif(image, VIPS_FOREIGN_HEIF_COMPRESSION_HEVC,
                         quality ? std::optional(quality->avif) : std::nullopt, strip),
                QStringLiteral("heic")};
    case Format::Avif:
        return {saveHeif(image, VIPS_FOREIGN_HEIF_COMPRESSION_AV1,
                         quality ? std::optional(quality->avif) : std::nullopt, strip),
                QStringLiteral("avif")};
    }
    return {};
}

} // namespace

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

ImageProcessor::Result ImageProcessor::process(const QByteArray& original, const OptimizeRequest& request,
                                               const Settings& settings)
{
    const QString unreadable = QStringLiteral(
        "The file is not an image this service can read. Supported are JPEG, PNG, GIF, TIFF, BMP, WebP and HEIC/HEIF.");
    const char* loader = vips_foreign_find_load_buffer(original.constData(), static_cast<std::size_t>(original.size()));
    if (!loader)
        vips_error_clear();
    std::optional<Format> format = detectFormat(original, loader);
    if (!format)
        return failure(415, unreadable);

    try {
        VOption* loadOptions = VImage::option()->set("fail_on", VIPS_FAIL_ON_TRUNCATED);
        if (supportsPages(*format))
            loadOptions->set("n", -1);
        VImage image =
            VImage::new_from_buffer(original.constData(), static_cast<std::size_t>(original.size()), "", loadOptions);
        if (*format == Format::Heic && image.get_typeof("heif-compression") != 0 &&
            QByteArray(image.get_string("heif-compression")) == "av1")
            format = Format::Avif;

        Result result;
        result.originalExtension = extensionOf(*format);
        const qint64 inputPixels = qint64(image.width()) * image.height();
        if (inputPixels > settings.maxPixels)
            return failure(413, QStringLiteral("The image is too large to process: %1×%2 pixels, the limit is %3 "
                                               "megapixels.")
                                    .arg(image.width())
                                    .arg(image.height())
                                    .arg(megapixels(settings.maxPixels)));

        if (settings.passthrough) {
            const QString ext = result.originalExtension;
            for (Kind kind : {Kind::Lossy, Kind::Lossless})
                result.outputs.append({kind, original, ext, mimeTypeOf(ext)});
            if (request.webp)
                result.outputs.append({Kind::WebPLossy, original, ext, mimeTypeOf(ext)});
            if (request.avif)
                result.outputs.append({Kind::AvifLossy, original, ext, mimeTypeOf(ext)});
            result.message = QStringLiteral("Passed through unchanged.");
            result.width = image.width();
            result.height = vips_image_get_page_height(image.get_image());
            return result;
        }

        QStringList notes;
        const int pages = vips_image_get_n_pages(image.get_image());
        const bool multiPage = pages > 1 && vips_image_get_page_height(image.get_image()) * pages == image.height();
        const bool strip = !request.keepExif;
        const int orientation = image.get_typeof("orientation") != 0 ? image.get_int("orientation") : 1;

        VImage pixels = image;
        bool pixelsChanged = false;
        bool geometryChanged = false;
        if (!multiPage && orientation > 1 && orientation <= 8) {
            pixels = pixels.autorot();
        }

        const bool cmyk = pixels.interpretation() == VIPS_INTERPRETATION_CMYK;
        const bool hasProfile = pixels.get_typeof(VIPS_META_ICC_NAME) != 0;
        if (cmyk && request.cmykToRgb) {
            // The embedded profile when there is one, libvips' built-in CMYK profile otherwise.
            pixels =
                pixels.icc_transform("srgb", VImage::option()->set("embedded", true)->set("input_profile", "cmyk"));
            pixelsChanged = true;
        }

        QSize size(pixels.width(), multiPage ? vips_image_get_page_height(pixels.get_image()) : pixels.height());
        const QSize upscaled = size * request.upscale;
        const QSize target = fittedSize(upscaled, request.resize, request.width, request.height);
        if (target != size) {
            if (multiPage) {
                notes << QStringLiteral("Images with several frames or pages are not resized.");
            } else {
                if (qint64(target.width()) * target.height() > settings.maxPixels)
                    return failure(413, QStringLiteral("The resized image would be too large: %1×%2 pixels, the "
                                                       "limit is %3 megapixels.")
                                            .arg(target.width())
                                            .arg(target.height())
                                            .arg(megapixels(settings.maxPixels)));
                const double hscale = static_cast<double>(target.width()) / size.width();
                const double vscale = static_cast<double>(target.height()) / size.height();
                pixels =
                    pixels.resize(hscale, VImage::option()->set("vscale", vscale)->set("kernel", VIPS_KERNEL_LANCZOS3));
                geometryChanged = true;
                size = target;
            }
        }
        pixelsChanged = pixelsChanged || geometryChanged;
        if (strip && hasProfile && pixels.interpretation() != VIPS_INTERPRETATION_CMYK) {
            // Stripping drops the colour profile too; bake it into sRGB first so colours stay right.
            try {
                pixels = pixels.icc_transform("srgb", VImage::option()->set("embedded", true));
            } catch (const vips::VError&) {
                vips_error_clear(); // a broken profile: keep the pixels as they are
            }
        }
        // Decode once; every encoder below reads the same pixels.
        pixels = pixels.copy_memory();
        result.width = size.width();
        result.height = size.height();

        const Quality quality = qualityFor(request.level);
        const bool lossless = request.level == OptimizeRequest::Level::Lossless;

        auto addMain = [&](Kind kind, QByteArray data, const QString& extension) {
            // A result that would grow the file helps nobody; only when the picture itself was not
            // changed on request can the original stand in for it.
            if (!geometryChanged && !(cmyk && request.cmykToRgb) && data.size() >= original.size()) {
                if (!notes.contains(QStringLiteral("The optimized image was not smaller than the original, so "
                                                   "the original is returned unchanged.")))
                    notes << QStringLiteral(
                        "The optimized image was not smaller than the original, so the original is returned "
                        "unchanged.");
                result.outputs.append({kind, original, result.originalExtension, mimeTypeOf(result.originalExtension)});
                return;
            }
            result.outputs.append({kind, std::move(data), extension, mimeTypeOf(extension)});
        };

        if (!lossless) {
            auto [data, ext] = encodeMain(pixels, *format, quality, strip);
            addMain(Kind::Lossy, std::move(data), ext);
        }
        if (*format == Format::Jpeg && !pixelsChanged) {
            QString error;
            std::optional<QByteArray> data =
                LosslessJpeg::transcode(original, request.keepExif, orientation != 1, &error);
            if (!data)
                return failure(415, QStringLiteral("The JPEG data is damaged and cannot be recompressed."));
            addMain(Kind::Lossless, std::move(*data), QStringLiteral("jpg"));
        } else {
            if (*format == Format::Jpeg && lossless)
                notes << QStringLiteral("The pixels were changed as requested, so the lossless result is a JPEG at "
                                        "the highest quality.");
            auto [data, ext] = encodeMain(pixels, *format, std::nullopt, strip);
            addMain(Kind::Lossless, std::move(data), ext);
        }

        // A companion never grows the file unless the picture itself was enlarged or converted on
        // request. At the Lossless level a lossless companion of a photo is often several times the
        // original, so a high-quality lossy one stands in; if that is no smaller either, none is offered.
        const bool mayGrow = geometryChanged || (cmyk && request.cmykToRgb);
        const Quality fallbackQuality = qualityFor(OptimizeRequest::Level::Glossy);
        auto addCompanion = [&](const QString& name, Kind losslessKind, Kind lossyKind, const QString& extension,
                                const QByteArray& mimeType, const std::function<QByteArray(std::optional<int>)>& encode,
                                int lossyQuality, int fallback) {
            Kind kind = lossless ? losslessKind : lossyKind;
            QByteArray data = encode(lossless ? std::nullopt : std::optional(lossyQuality));
            if (lossless && !mayGrow && data.size() >= original.size()) {
                kind = lossyKind;
                data = encode(fallback);
                notes << QStringLiteral("A lossless %1 version would be larger than the original, so a "
                                        "high-quality one is offered instead.")
                             .arg(name);
            }
            if (!mayGrow && data.size() >= original.size()) {
                notes << QStringLiteral("No %1 version is offered: it would be larger than the original.").arg(name);
                return;
            }
            result.outputs.append({kind, std::move(data), extension, mimeType});
        };

        if (request.webp) {
            addCompanion(
                QStringLiteral("WebP"), Kind::WebPLossless, Kind::WebPLossy, QStringLiteral("webp"), "image/webp",
                [&](std::optional<int> q) { return saveWebp(pixels, q, strip); }, quality.webp, fallbackQuality.webp);
        }
        if (request.avif) {
            if (multiPage) {
                notes << QStringLiteral("No AVIF version is made of images with several frames or pages.");
            } else {
                addCompanion(
                    QStringLiteral("AVIF"), Kind::AvifLossless, Kind::AvifLossy, QStringLiteral("avif"), "image/avif",
                    [&](std::optional<int> q) { return saveHeif(pixels, VIPS_FOREIGN_HEIF_COMPRESSION_AV1, q, strip); },
                    quality.avif, fallbackQuality.avif);
            }
        }
        if (notes.isEmpty() || !notes.first().startsWith(QLatin1String("The optimized image was not smaller")))
            notes.prepend(QStringLiteral("Optimized."));
        result.message = notes.join(QLatin1Char(' '));
        return result;
    } catch (const vips::VError&) {
        vips_error_clear();
        return failure(415, QStringLiteral("The image data is damaged or incomplete and cannot be read."));
    }
}
