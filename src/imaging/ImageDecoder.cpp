#include "imaging/ImageDecoder.h"

#include <QThreadPool>
#include <QtEndian>

#include <algorithm>
#include <mutex>
#include <vector>
#include <vips/vips8>

using vips::VImage;

namespace {

void startVips()
{
    static std::once_flag started;
    std::call_once(started, [] {
        if (VIPS_INIT("tovalin-image-optimizer") != 0) {
            qFatal("libvips could not start");
        }
        // The window reads each file once, for a reason of its own; kept operations would only hold
        // pictures in memory, and a file changed on disk would come back as it was.
        vips_cache_set_max(0);
        // Each picture is decoded on the thread that asks for it: the threads of its pool are the
        // window's whole budget for pictures, and libvips's own would take the cores painting needs.
        vips_concurrency_set(1);
    });
}

QString unreadable()
{
    return ImageDecoder::tr("The image could not be read.");
}

// sRGB through the file's own profile where it has one, else by the interpretation libvips gives it.
VImage toSrgb(VImage image)
{
    if (image.get_typeof(VIPS_META_ICC_NAME) != 0) {
        try {
            return image.icc_transform(
                "srgb",
                VImage::option()->set("embedded", true)->set("intent", VIPS_INTENT_PERCEPTUAL)->set("depth", 8));
        } catch (const vips::VError&) {
            // A damaged profile: the colors as the numbers say.
            vips_error_clear();
        }
    }
    image = image.colourspace(VIPS_INTERPRETATION_sRGB);
    if (image.format() != VIPS_FORMAT_UCHAR) {
        image = image.cast(VIPS_FORMAT_UCHAR);
    }
    return image;
}

void freeBuffer(void* buffer)
{
    g_free(buffer);
}

// Four bytes a pixel in the order QImage keeps ARGB32 in memory, alpha premultiplied (opaque pictures
// get an alpha of 255, which RGB32 asks for).
VImage pack(VImage image, bool* alpha)
{
    image = toSrgb(image);
    *alpha = image.bands() >= 4;
    if (*alpha) {
        image = image.premultiply().cast(VIPS_FORMAT_UCHAR);
    }
    const VImage a = *alpha ? image[3] : VImage::black(image.width(), image.height()) + 255;
    const VImage r = image[0];
    const VImage g = image[1];
    const VImage b = image[2];
    return VImage::bandjoin(Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? std::vector<VImage>{b, g, r, a}
                                                            : std::vector<VImage>{a, r, g, b})
        .cast(VIPS_FORMAT_UCHAR);
}

// The packed picture written out into a buffer the QImage owns. An opaque picture is RGB32, which the
// painter copies without blending.
QImage wrap(const VImage& packed, bool alpha)
{
    std::size_t size = 0;
    void* buffer = packed.write_to_memory(&size);
    return QImage(static_cast<uchar*>(buffer), packed.width(), packed.height(), qsizetype(packed.width()) * 4,
                  alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32, freeBuffer, buffer);
}

QImage toQImage(const VImage& image)
{
    bool alpha = false;
    const VImage packed = pack(image, &alpha);
    return wrap(packed, alpha);
}

} // namespace

QSize ImageDecoder::sizeOf(const QString& path)
{
    startVips();
    try {
        const VImage image = VImage::new_from_file(path.toLocal8Bit().constData());
        const QSize size(image.width(), image.height());
        const int orientation = image.get_typeof(VIPS_META_ORIENTATION) != 0 ? image.get_int(VIPS_META_ORIENTATION) : 1;
        // Orientations 5 to 8 turn the picture a quarter.
        return orientation >= 5 && orientation <= 8 ? size.transposed() : size;
    } catch (const vips::VError&) {
        vips_error_clear();
        return {};
    }
}

QImage ImageDecoder::scaled(const QString& path, QSize box, QString* error)
{
    startVips();
    try {
        const VImage thumbnail = VImage::thumbnail(path.toLocal8Bit().constData(), std::max(1, box.width()),
                                                   VImage::option()
                                                       ->set("height", std::max(1, box.height()))
                                                       ->set("size", VIPS_SIZE_DOWN)
                                                       ->set("intent", VIPS_INTENT_PERCEPTUAL));
        return toQImage(thumbnail);
    } catch (const vips::VError&) {
        vips_error_clear();
        if (error != nullptr) {
            *error = unreadable();
        }
        return {};
    }
}

QList<QImage> ImageDecoder::levels(const QString& path, QSize smallest, QString* error)
{
    startVips();
    QList<QImage> result;
    try {
        const VImage image = VImage::new_from_file(path.toLocal8Bit().constData(),
                                                   VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL));
        bool alpha = false;
        const VImage packed = pack(image.autorot(), &alpha);
        result.append(wrap(packed, alpha));
        // Each level from the one above it, two by two averaged (premultiplied, so edges of transparency
        // keep their colors).
        while (result.constLast().width() > smallest.width() || result.constLast().height() > smallest.height()) {
            const QImage& above = result.constLast();
            if (above.width() < 2 || above.height() < 2) {
                break;
            }
            const VImage source =
                VImage::new_from_memory(const_cast<uchar*>(above.constBits()), std::size_t(above.sizeInBytes()),
                                        above.width(), above.height(), 4, VIPS_FORMAT_UCHAR);
            result.append(wrap(source.shrink(2, 2).cast(VIPS_FORMAT_UCHAR), alpha));
        }
    } catch (const vips::VError&) {
        vips_error_clear();
        if (error != nullptr) {
            *error = unreadable();
        }
        result.clear();
    }
    return result;
}

QThreadPool* ImageDecoder::threads()
{
    static QThreadPool* const pool = [] {
        auto* created = new QThreadPool;
        created->setMaxThreadCount(2);
        // The pictures still being decoded when the program ends are finished before Qt goes.
        qAddPostRoutine([] { pool->waitForDone(); });
        return created;
    }();
    return pool;
}
