#include "service/MetadataFilter.h"

#include <QByteArray>
#include <QList>

using vips::VImage;

VImage MetadataFilter::forOutput(const VImage& image, bool keepMetadata)
{
    VImage out = image.copy();
    // `page-height` says how the frames of an animation lie; it goes wherever the pixels go.
    if (keepMetadata)
        return out;
    QList<QByteArray> drop;
    char** fields = vips_image_get_fields(out.get_image());
    for (char** field = fields; *field; ++field) {
        const QByteArray name(*field);
        // EXIF comes as its block and as one field per tag, from which libvips would write a new block.
        if (name.startsWith("exif-") || name == VIPS_META_XMP_NAME || name == VIPS_META_IPTC_NAME ||
            name == VIPS_META_PHOTOSHOP_NAME || name == "orientation")
            drop << name;
        // CMYK pixels mean nothing without their profile; sRGB ones need none.
        if (name == VIPS_META_ICC_NAME && out.interpretation() != VIPS_INTERPRETATION_CMYK)
            drop << name;
    }
    g_strfreev(fields);
    for (const QByteArray& name : drop)
        out.remove(name.constData());
    return out;
}
