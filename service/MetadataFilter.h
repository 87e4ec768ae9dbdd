// What of a picture's metadata goes into an output, as the user chose: with Keep EXIF off no EXIF, XMP
// or IPTC in any output, and the colour profile only where the pixels need it (they are turned into
// sRGB first wherever they can be). Some libvips savers ignore `strip` (WebP in 8.14 writes EXIF, XMP
// and the profile regardless), so the fields are taken off the picture itself before it is saved.
#pragma once

#include <vips/vips8>

class MetadataFilter
{
public:
    // The picture with only the fields that may go out; the pixels are shared, not copied.
    static vips::VImage forOutput(const vips::VImage& image, bool keepMetadata);
};
