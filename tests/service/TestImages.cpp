#include "tests/service/TestImages.h"

#include "service/VisualDistance.h"

#include <QHash>

#include <vips/vips8>

using vips::VImage;

namespace {

// The image in the format libvips picks for a file name with this suffix.
QByteArray save(const VImage& image, const char* suffix, vips::VOption* options = nullptr)
{
    void* buffer = nullptr;
    std::size_t length = 0;
    image.write_to_buffer(suffix, &buffer, &length, options);
    QByteArray result(static_cast<const char*>(buffer), static_cast<qsizetype>(length));
    g_free(buffer);
    return result;
}

// A minimal EXIF block with one ImageDescription entry.
QByteArray exifBlock()
{
    return QByteArray("Exif\0\0II*\0\x08\0\0\0\x01\0\x0e\x01\x02\0\x05\0\0\0\x1a\0\0\0\0\0\0\0test\0", 37);
}

VImage photo(int width, int height)
{
    VImage xy = VImage::xyz(width, height);
    VImage x = xy[0];
    VImage y = xy[1];
    VImage r = x * (200.0 / width) + (x * 0.07).sin() * 20 + 20;
    VImage g = y * (180.0 / height) + (y * 0.05).cos() * 25 + 30;
    VImage b = (x + y) * (160.0 / (width + height)) + ((x + y) * 0.03).sin() * 30 + 40;
    VImage image = r.bandjoin(g).bandjoin(b);
    VImage noise = VImage::gaussnoise(width, height, VImage::option()->set("sigma", 0.0));
    image = image + noise.bandjoin(noise * 0.8).bandjoin(noise * 1.2);
    return image.cast(VIPS_FORMAT_UCHAR).copy(VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
}

} // namespace

void TestImages::initVips()
{
    static const bool started = [] {
        if (VIPS_INIT("tovalin-tests") != 0)
            qFatal("libvips could not start");
        vips_concurrency_set(1);
        vips_cache_set_max(0);
        return true;
    }();
    Q_UNUSED(started);
}

QByteArray TestImages::photoJpeg(int width, int height, int quality, bool withExif)
{
    VImage image = photo(width, height).copy();
    if (withExif) {
        const QByteArray exif = exifBlock();
        vips_image_set_blob_copy(image.get_image(), "exif-data", exif.constData(),
                                 static_cast<std::size_t>(exif.size()));
    }
    return save(image, ".jpg", VImage::option()->set("Q", quality)->set("strip", !withExif));
}

QByteArray TestImages::cameraJpeg(int orientation, int width, int height)
{
    VImage image = photo(width, height).copy();
    const QByteArray exif = exifBlock();
    const QByteArray xmp("<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF/></x:xmpmeta>");
    vips_image_set_blob_copy(image.get_image(), "exif-data", exif.constData(), std::size_t(exif.size()));
    vips_image_set_blob_copy(image.get_image(), VIPS_META_XMP_NAME, xmp.constData(), std::size_t(xmp.size()));
    image.set("orientation", orientation);
    VipsBlob* profile = VImage::profile_load("srgb");
    std::size_t length = 0;
    const void* bytes = vips_blob_get(profile, &length);
    vips_image_set_blob_copy(image.get_image(), VIPS_META_ICC_NAME, bytes, length);
    vips_area_unref(reinterpret_cast<VipsArea*>(profile));
    return save(image, ".jpg", VImage::option()->set("Q", 90));
}

QByteArray TestImages::screenshotPng(const char* path, int width, int height)
{
    const VImage shot = VImage::new_from_file(path);
    return save(shot.extract_area(0, 0, std::min(width, shot.width()), std::min(height, shot.height())), ".png",
                VImage::option()->set("compression", 6));
}

QByteArray TestImages::iconPng(int size)
{
    const VImage icon = VImage::new_from_file(TOVALIN_ICON_SVG, VImage::option()->set("scale", size / 256.0));
    return save(icon, ".png");
}

QByteArray TestImages::transparentPng(int width, int height)
{
    VImage rgb = photo(width, height);
    VImage xy = VImage::xyz(width, height);
    // A soft round hole in the middle, fully transparent at its centre.
    VImage dx = xy[0] - width / 2.0;
    VImage dy = xy[1] - height / 2.0;
    VImage alpha = ((dx * dx + dy * dy).pow(0.5) * (255.0 / (height / 2.0))).cast(VIPS_FORMAT_UCHAR);
    return save(rgb.bandjoin(alpha), ".png", VImage::option()->set("compression", 6));
}

QByteArray TestImages::cmykJpeg(int width, int height)
{
    VImage cmyk = photo(width, height).colourspace(VIPS_INTERPRETATION_CMYK);
    return save(cmyk.cast(VIPS_FORMAT_UCHAR), ".jpg", VImage::option()->set("Q", 92));
}

QByteArray TestImages::photoAs(const QByteArray& format, int width, int height, int pages)
{
    VImage image = photo(width, height);
    if (pages > 1) {
        std::vector<VImage> frames;
        for (int i = 0; i < pages; ++i)
            frames.push_back(image.flip(i % 2 ? VIPS_DIRECTION_HORIZONTAL : VIPS_DIRECTION_VERTICAL));
        image = VImage::arrayjoin(frames, VImage::option()->set("across", 1)).copy();
        image.set("page-height", height);
        image.set("delay", std::vector<int>(std::size_t(pages), 100));
    }
    return save(image, ("." + format).constData());
}

QByteArray TestImages::notAnImage()
{
    return QByteArrayLiteral("%PDF-1.4\nThis is a text file pretending to be an image.\n");
}

TestImages::Info TestImages::inspect(const QByteArray& data)
{
    Info info;
    const char* loader = vips_foreign_find_load_buffer(data.constData(), static_cast<std::size_t>(data.size()));
    if (!loader) {
        vips_error_clear();
        return info;
    }
    try {
        VImage image = VImage::new_from_buffer(data.constData(), static_cast<std::size_t>(data.size()), "");
        image = image.copy_memory(); // a full decode, so damaged data shows here
        const char* nickname = vips_nickname_find(g_type_from_name(loader));
        info.loader = nickname ? nickname : loader;
        info.width = image.width();
        info.height = image.height();
        info.bands = image.bands();
        info.hasAlpha = image.has_alpha();
        info.hasExif = image.get_typeof("exif-data") != 0;
        if (info.hasExif) {
            std::size_t length = 0;
            const void* blob = nullptr;
            vips_image_get_blob(image.get_image(), "exif-data", &blob, &length);
            info.exifBytes = int(length);
        }
        char** fields = vips_image_get_fields(image.get_image());
        for (char** field = fields; *field; ++field)
            info.exifTags += QByteArray(*field).startsWith("exif-ifd") ? 1 : 0;
        g_strfreev(fields);
        info.orientation = image.get_typeof("orientation") != 0 ? image.get_int("orientation") : 1;
        info.hasXmp = image.get_typeof(VIPS_META_XMP_NAME) != 0;
        info.hasIptc = image.get_typeof(VIPS_META_IPTC_NAME) != 0;
        info.hasIcc = image.get_typeof(VIPS_META_ICC_NAME) != 0;
        info.cmyk = image.interpretation() == VIPS_INTERPRETATION_CMYK;
        info.pages = vips_image_get_n_pages(image.get_image());
    } catch (const vips::VError&) {
        vips_error_clear();
        info.loader.clear();
    }
    return info;
}

QByteArray TestImages::loaderFor(const QString& extension)
{
    static const QHash<QString, QByteArray> special{{QStringLiteral("jpg"), "jpeg"},
                                                    {QStringLiteral("tif"), "tiff"},
                                                    {QStringLiteral("heic"), "heif"},
                                                    {QStringLiteral("avif"), "heif"}};
    return special.value(extension, extension.toLatin1()) + "load_buffer";
}

std::optional<double> TestImages::maxPixelDifference(const QByteArray& a, const QByteArray& b)
{
    try {
        VImage x = VImage::new_from_buffer(a.constData(), static_cast<std::size_t>(a.size()), "");
        VImage y = VImage::new_from_buffer(b.constData(), static_cast<std::size_t>(b.size()), "");
        if (x.width() != y.width() || x.height() != y.height() || x.bands() != y.bands())
            return std::nullopt;
        return (x.cast(VIPS_FORMAT_INT) - y.cast(VIPS_FORMAT_INT)).abs().max();
    } catch (const vips::VError&) {
        vips_error_clear();
        return std::nullopt;
    }
}

double TestImages::visualDistance(const QByteArray& reference, const QByteArray& candidate)
{
    const auto load = [](const QByteArray& data) {
        return VImage::new_from_buffer(data.constData(), static_cast<std::size_t>(data.size()), "").autorot();
    };
    return VisualDistance::between(load(reference), load(candidate));
}
