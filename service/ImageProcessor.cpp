#include "service/ImageProcessor.h"

#include "service/LosslessJpeg.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringList>

#include <cmath>
#include <functional>
#include <limits>
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

ImageProcessor::Result encode(const QString& originalPath, const Decoded& decoded, Prepared prepared,
                              const OptimizeRequest& request)
{
    using Kind = ImageProcessor::Kind;
    using Note = ImageProcessor::Note;
    ImageProcessor::Result result;
    result.originalExtension = extensionOf(decoded.format);
    result.width = prepared.size.width();
    result.height = prepared.size.height();
    result.notes = prepared.notes;
    const Format format = decoded.format;
    const VImage& pixels = prepared.pixels;
    const bool strip = !request.keepExif;
    const bool lossless = request.level == OptimizeRequest::Level::Lossless;
    const Quality quality = qualityFor(request.level);
    // A result may only grow the file when the picture itself was changed on request; then the
    // original cannot stand in for it either.
    const bool pixelsChanged = prepared.geometryChanged || prepared.converted;

    auto addMain = [&](Kind kind, QByteArray data, const QString& extension) {
        // A result that would grow the file helps nobody; the original stands in for it.
        if (!pixelsChanged && data.size() >= decoded.fileSize) {
            if (!result.notes.contains(Note::OriginalKept))
                result.notes << Note::OriginalKept;
            result.outputs.append({kind, {}, true, result.originalExtension, mimeTypeOf(result.originalExtension)});
            return;
        }
        result.outputs.append({kind, std::move(data), false, extension, mimeTypeOf(extension)});
    };

    if (!lossless) {
        auto [data, ext] = encodeMain(pixels, format, quality, strip);
        addMain(Kind::Lossy, std::move(data), ext);
    }
    if (format == Format::Jpeg && !pixelsChanged) {
        QString error;
        std::optional<QByteArray> data =
            LosslessJpeg::transcode(readFile(originalPath), request.keepExif, prepared.orientation != 1, &error);
        if (!data)
            return refusal(ImageProcessor::Outcome::DamagedJpeg,
                           QStringLiteral("The JPEG data is damaged and cannot be recompressed."));
        addMain(Kind::Lossless, std::move(*data), QStringLiteral("jpg"));
    } else {
        if (format == Format::Jpeg && lossless)
            result.notes << Note::LosslessJpegAtHighestQuality;
        auto [data, ext] = encodeMain(pixels, format, std::nullopt, strip);
        addMain(Kind::Lossless, std::move(data), ext);
    }

    // At the Lossless level a lossless companion of a photo is often several times the original, so a
    // high-quality lossy one stands in; if that is no smaller either, none is offered.
    const Quality fallbackQuality = qualityFor(OptimizeRequest::Level::Glossy);
    auto addCompanion = [&](Kind losslessKind, Kind lossyKind, Note lossyInstead, Note none, const QString& extension,
                            const std::function<QByteArray(std::optional<int>)>& save, int lossyQuality, int fallback) {
        Kind kind = lossless ? losslessKind : lossyKind;
        QByteArray data = save(lossless ? std::nullopt : std::optional(lossyQuality));
        if (lossless && !pixelsChanged && data.size() >= decoded.fileSize) {
            kind = lossyKind;
            data = save(fallback);
            result.notes << lossyInstead;
        }
        if (!pixelsChanged && data.size() >= decoded.fileSize) {
            result.notes << none;
            return;
        }
        result.outputs.append({kind, std::move(data), false, extension, mimeTypeOf(extension)});
    };
    if (request.webp) {
        addCompanion(
            Kind::WebPLossless, Kind::WebPLossy, Note::WebPLossyInstead, Note::NoWebP, QStringLiteral("webp"),
            [&](std::optional<int> q) { return saveWebp(pixels, q, strip); }, quality.webp, fallbackQuality.webp);
    }
    if (request.avif) {
        if (prepared.multiPage) {
            result.notes << Note::NoAvifOfFrames;
        } else {
            addCompanion(
                Kind::AvifLossless, Kind::AvifLossy, Note::AvifLossyInstead, Note::NoAvif, QStringLiteral("avif"),
                [&](std::optional<int> q) { return saveHeif(pixels, VIPS_FOREIGN_HEIF_COMPRESSION_AV1, q, strip); },
                quality.avif, fallbackQuality.avif);
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
        return QStringLiteral(
            "A lossless WebP version would be larger than the original, so a high-quality one is offered instead.");
    case Note::AvifLossyInstead:
        return QStringLiteral(
            "A lossless AVIF version would be larger than the original, so a high-quality one is offered instead.");
    case Note::NoWebP:
        return QStringLiteral("No WebP version is offered: it would be larger than the original.");
    case Note::NoAvif:
        return QStringLiteral("No AVIF version is offered: it would be larger than the original.");
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
    }
    return 500;
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
                      int(vips_format_sizeof(image.format()))};
    } catch (const vips::VError&) {
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
    }
}
