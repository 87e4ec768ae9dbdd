#include "service/PngEncoder.h"

#include "service/PngWriter.h"

#include <QList>
#include <QtEndian>

#include <algorithm>

using vips::VImage;

namespace {

QByteArray takeBlob(VipsBlob* blob)
{
    std::size_t length = 0;
    const void* bytes = vips_blob_get(blob, &length);
    QByteArray result(static_cast<const char*>(bytes), static_cast<qsizetype>(length));
    vips_area_unref(reinterpret_cast<VipsArea*>(blob));
    return result;
}

// The pixels as PNG holds them: sRGB or grey, 8 or 16 bits, as libvips' own saver would make them.
VImage saveable(const VImage& image)
{
    VImage out = image;
    const bool sixteen = out.format() == VIPS_FORMAT_USHORT;
    const VipsInterpretation interpretation = out.interpretation();
    const bool grey = out.bands() < 3;
    const VipsInterpretation wanted = grey ? (sixteen ? VIPS_INTERPRETATION_GREY16 : VIPS_INTERPRETATION_B_W)
                                           : (sixteen ? VIPS_INTERPRETATION_RGB16 : VIPS_INTERPRETATION_sRGB);
    const bool known = interpretation == VIPS_INTERPRETATION_sRGB || interpretation == VIPS_INTERPRETATION_RGB16 ||
                       interpretation == VIPS_INTERPRETATION_B_W || interpretation == VIPS_INTERPRETATION_GREY16 ||
                       interpretation == VIPS_INTERPRETATION_MULTIBAND;
    if (!known)
        out = out.colourspace(wanted);
    if (out.format() != VIPS_FORMAT_UCHAR && out.format() != VIPS_FORMAT_USHORT)
        out = out.cast(VIPS_FORMAT_UCHAR);
    return out;
}

// The metadata chunks libvips writes for what the picture carries (colour profile, EXIF, XMP, text,
// resolution), taken from the file it makes of one pixel of it, which has the same fields.
QList<QByteArray> metadataChunks(const VImage& image)
{
    const QByteArray png =
        takeBlob(image.extract_area(0, 0, 1, 1).pngsave_buffer(VImage::option()->set("compression", 0)));
    static const QList<QByteArray> ofThePixels{"IHDR", "PLTE", "tRNS", "IDAT", "IEND", "sBIT", "bKGD", "hIST"};
    QList<QByteArray> chunks;
    for (qsizetype at = 8; at + 12 <= png.size();) {
        const qsizetype length = qFromBigEndian<quint32>(png.constData() + at);
        if (length < 0 || at + 12 + length > png.size())
            break;
        if (!ofThePixels.contains(png.mid(at + 4, 4)))
            chunks << png.mid(at, 12 + length);
        at += 12 + length;
    }
    return chunks;
}

double zopfliSeconds(double megapixels)
{
    return std::min(PngEncoder::kZopfliSeconds + PngEncoder::kZopfliSecondsPerMegapixel * megapixels,
                    PngEncoder::kZopfliMaxSeconds);
}

} // namespace

QByteArray PngEncoder::lossless(const VImage& image, bool keepMetadata, bool thorough)
{
    const VImage pixels = saveable(image);
    const double megapixels = double(pixels.width()) * pixels.height() / 1e6;
    if (qint64(pixels.width()) * pixels.height() > kWriterMaxPixels || pixels.bands() > 4)
        return takeBlob(pixels.pngsave_buffer(VImage::option()
                                                  ->set("compression", 9)
                                                  ->set("filter", VIPS_FOREIGN_PNG_FILTER_ALL)
                                                  ->set("strip", !keepMetadata)));
    return PngWriter::write(pixels, keepMetadata ? metadataChunks(pixels) : QList<QByteArray>(),
                            thorough ? zopfliSeconds(megapixels) : 0.0);
}

QByteArray PngEncoder::palette(const VImage& remapped, const VImage& original, bool keepMetadata)
{
    return PngWriter::write(
        remapped, keepMetadata ? metadataChunks(original.extract_area(0, 0, 1, 1)) : QList<QByteArray>(), 0.0, true);
}
