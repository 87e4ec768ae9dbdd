#include "service/WebpEncoder.h"

#include <memory>
#include <webp/mux.h>

using vips::VImage;
using vips::VOption;

namespace {

QByteArray withoutMetadata(const QByteArray& webp)
{
    const WebPData input{reinterpret_cast<const uint8_t*>(webp.constData()), std::size_t(webp.size())};
    std::unique_ptr<WebPMux, decltype(&WebPMuxDelete)> mux(WebPMuxCreate(&input, 0), &WebPMuxDelete);
    if (!mux)
        return webp;
    for (const char* chunk : {"EXIF", "XMP ", "ICCP"})
        WebPMuxDeleteChunk(mux.get(), chunk);
    WebPData output;
    WebPDataInit(&output);
    if (WebPMuxAssemble(mux.get(), &output) != WEBP_MUX_OK)
        return webp;
    QByteArray result(reinterpret_cast<const char*>(output.bytes), qsizetype(output.size));
    WebPDataClear(&output);
    return result;
}

} // namespace

QByteArray WebpEncoder::encode(const VImage& image, std::optional<int> quality, bool keepMetadata, Mode mode)
{
    // Lossless coding at effort 6 tries every way it knows and takes many times longer for a few percent.
    VOption* options = VImage::option()->set("effort", quality && mode == Mode::Lossy ? kEffort : 4);
    if (!quality)
        options->set("lossless", true);
    else if (mode == Mode::NearLossless)
        options->set("lossless", true)->set("near_lossless", true)->set("Q", *quality);
    else // chroma subsampled as sharp as the luma allows: without it edges in colour bleed
        options->set("Q", *quality)->set("smart_subsample", true);
    VipsBlob* blob = image.webpsave_buffer(options);
    std::size_t length = 0;
    const void* bytes = vips_blob_get(blob, &length);
    QByteArray result(static_cast<const char*>(bytes), static_cast<qsizetype>(length));
    vips_area_unref(reinterpret_cast<VipsArea*>(blob));
    return keepMetadata ? result : withoutMetadata(result);
}
