#include "service/AvifEncoder.h"

using vips::VImage;
using vips::VOption;

QByteArray AvifEncoder::encode(const VImage& image, std::optional<int> quality, bool keepMetadata,
                               VipsForeignHeifCompression compression)
{
    VOption* options =
        VImage::option()->set("compression", compression)->set("effort", kEffort)->set("strip", !keepMetadata);
    if (quality)
        options->set("Q", *quality);
    else
        options->set("lossless", true);
    VipsBlob* blob = image.heifsave_buffer(options);
    std::size_t length = 0;
    const void* bytes = vips_blob_get(blob, &length);
    QByteArray result(static_cast<const char*>(bytes), static_cast<qsizetype>(length));
    vips_area_unref(reinterpret_cast<VipsArea*>(blob));
    return result;
}
