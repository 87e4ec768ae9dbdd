#include "service/PngEncoder.h"

#include <QtEndian>

#include <cstring>
#include <memory>
#include <zlib.h>
#include <zopfli/zopfli.h>

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

QByteArray chunk(const char* type, const QByteArray& data)
{
    QByteArray out(4, '\0');
    qToBigEndian<quint32>(quint32(data.size()), out.data());
    out += QByteArray(type, 4) + data;
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(out.constData() + 4), uInt(data.size() + 4));
    QByteArray tail(4, '\0');
    qToBigEndian<quint32>(quint32(crc), tail.data());
    return out + tail;
}

std::optional<QByteArray> inflated(const QByteArray& deflated, qint64 limit)
{
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return std::nullopt;
    QByteArray out;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(deflated.constData()));
    stream.avail_in = uInt(deflated.size());
    char buffer[65536];
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(buffer);
        stream.avail_out = sizeof buffer;
        status = inflate(&stream, Z_NO_FLUSH);
        out.append(buffer, qsizetype(sizeof buffer - stream.avail_out));
        if (out.size() > limit)
            status = Z_BUF_ERROR;
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END)
        return std::nullopt;
    return out;
}

// The same PNG with its image data deflated again by zopfli; the other chunks stay as they are.
QByteArray recompressed(const QByteArray& png)
{
    constexpr qsizetype kSignature = 8;
    QByteArray before;
    QByteArray after;
    QByteArray idat;
    for (qsizetype at = kSignature; at + 12 <= png.size();) {
        const qsizetype length = qFromBigEndian<quint32>(png.constData() + at);
        if (length < 0 || at + 12 + length > png.size())
            return png;
        const QByteArray type = png.mid(at + 4, 4);
        const QByteArray whole = png.mid(at, 12 + length);
        if (type == "IDAT")
            idat += png.mid(at + 8, length);
        else if (idat.isEmpty())
            before += whole;
        else
            after += whole;
        at += 12 + length;
    }
    const std::optional<QByteArray> rows = inflated(idat, PngEncoder::kZopfliMaxBytes);
    if (!rows)
        return png;
    ZopfliOptions options;
    ZopfliInitOptions(&options);
    // Most of zopfli's gain comes in its first iterations; larger pictures get fewer.
    options.numiterations = rows->size() < 512 * 1024 ? 15 : 5;
    unsigned char* out = nullptr;
    std::size_t outSize = 0;
    ZopfliCompress(&options, ZOPFLI_FORMAT_ZLIB, reinterpret_cast<const unsigned char*>(rows->constData()),
                   std::size_t(rows->size()), &out, &outSize);
    const QByteArray deflated(reinterpret_cast<const char*>(out), qsizetype(outSize));
    std::free(out);
    if (deflated.size() >= idat.size())
        return png;
    return png.left(kSignature) + before + chunk("IDAT", deflated) + after;
}

} // namespace

QByteArray PngEncoder::lossless(const VImage& image)
{
    const QByteArray png = takeBlob(
        image.pngsave_buffer(VImage::option()->set("compression", 9)->set("filter", VIPS_FOREIGN_PNG_FILTER_ALL)));
    return recompressed(png);
}

std::optional<QByteArray> PngEncoder::palette(const VImage& image, int quality, double dither, bool smallest)
{
    try {
        const QByteArray png = takeBlob(image.pngsave_buffer(VImage::option()
                                                                 ->set("compression", 9)
                                                                 ->set("palette", true)
                                                                 ->set("Q", quality)
                                                                 ->set("dither", dither)
                                                                 ->set("effort", 7)));
        return smallest ? recompressed(png) : png;
    } catch (const vips::VError&) {
        vips_error_clear();
        return std::nullopt;
    }
}
