#include "service/WebpEncoder.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <webp/encode.h>
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

// A picture whose planes are freed with it.
struct Picture : WebPPicture
{
    Picture() { WebPPictureInit(this); }
    ~Picture() { WebPPictureFree(this); }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
};

// Sharp conversion to YUV works on planes of the whole picture, about 7 bytes a pixel on top of the 4
// of the ARGB copy it starts from, where the encoder itself needs only the 1.5 of the YUV planes. So
// the planes are filled in bands of rows, each converted with some rows of context on either side,
// which sharp conversion spreads its corrections over by less than that.
constexpr int kBandRows = 512;
constexpr int kContextRows = 32;

// Rows `from` to `to` of `image`, packed, for `use` to read.
template <typename Use>
bool withRows(const VImage& image, int from, int to, Use&& use)
{
    std::size_t length = 0;
    const std::unique_ptr<void, decltype(&g_free)> rows(
        vips_image_write_to_memory(image.crop(0, from, image.width(), to - from).get_image(), &length), &g_free);
    return rows && use(static_cast<const uint8_t*>(rows.get()));
}

bool convertInBands(const VImage& image, WebPPicture& picture)
{
    const int width = image.width();
    const int height = image.height();
    const bool alpha = image.bands() == 4;
    picture.use_argb = 0;
    picture.width = width;
    picture.height = height;
    picture.colorspace =
        alpha && image.extract_band(3).min() < 255 ? WEBP_YUV420A : WEBP_YUV420; // opaque alpha is dropped
    if (!WebPPictureAlloc(&picture))
        return false;
    for (int top = 0; top < height; top += kBandRows) {
        const int bottom = std::min(height, top + kBandRows);
        const int from = std::max(0, top - kContextRows);
        const int to = std::min(height, bottom + kContextRows);
        Picture band;
        band.use_argb = 1;
        band.width = width;
        band.height = to - from;
        if (!withRows(image, from, to, [&](const uint8_t* rows) {
                return (alpha ? WebPPictureImportRGBA(&band, rows, 4 * width)
                              : WebPPictureImportRGB(&band, rows, 3 * width)) &&
                       WebPPictureSharpARGBToYUVA(&band);
            }))
            return false;
        // Whole rows of chroma, since `top` and `from` are even.
        for (int y = top; y < bottom; ++y) {
            std::memcpy(picture.y + std::ptrdiff_t(y) * picture.y_stride,
                        band.y + std::ptrdiff_t(y - from) * band.y_stride, std::size_t(width));
            if (picture.a) {
                uint8_t* line = picture.a + std::ptrdiff_t(y) * picture.a_stride;
                if (band.a)
                    std::memcpy(line, band.a + std::ptrdiff_t(y - from) * band.a_stride, std::size_t(width));
                else
                    std::memset(line, 0xff, std::size_t(width));
            }
        }
        const int chromaWidth = (width + 1) / 2;
        for (int y = top / 2; y < (bottom + 1) / 2; ++y) {
            const std::ptrdiff_t source = std::ptrdiff_t(y - from / 2) * band.uv_stride;
            std::memcpy(picture.u + std::ptrdiff_t(y) * picture.uv_stride, band.u + source, std::size_t(chromaWidth));
            std::memcpy(picture.v + std::ptrdiff_t(y) * picture.uv_stride, band.v + source, std::size_t(chromaWidth));
        }
    }
    return true;
}

// The lossless coder reads ARGB: filled from the pixels a band of rows at a time, where libvips would
// first copy the whole picture into RGBA.
bool fillArgb(const VImage& image, WebPPicture& picture)
{
    const int width = image.width();
    const int bands = image.bands();
    picture.use_argb = 1;
    picture.width = width;
    picture.height = image.height();
    if (!WebPPictureAlloc(&picture))
        return false;
    for (int top = 0; top < picture.height; top += kBandRows) {
        const int bottom = std::min(picture.height, top + kBandRows);
        if (!withRows(image, top, bottom, [&](const uint8_t* in) {
                for (int y = top; y < bottom; ++y) {
                    uint32_t* out = picture.argb + std::ptrdiff_t(y) * picture.argb_stride;
                    for (int x = 0; x < width; ++x, in += bands)
                        out[x] = uint32_t(bands == 4 ? in[3] : 0xff) << 24 | uint32_t(in[0]) << 16 |
                                 uint32_t(in[1]) << 8 | in[2];
                }
                return true;
            }))
            return false;
    }
    return true;
}

// WebP of an 8-bit RGB or RGBA picture of one frame straight from its pixels, with no metadata: the same bitstream
// as libvips makes of it at these settings, in a fraction of the memory.
std::optional<QByteArray> encodeLean(const VImage& image, std::optional<int> quality, WebpEncoder::Mode mode)
{
    // Frames are animated by libvips.
    if (image.format() != VIPS_FORMAT_UCHAR || (image.bands() != 3 && image.bands() != 4) ||
        image.interpretation() != VIPS_INTERPRETATION_sRGB ||
        vips_image_get_page_height(image.get_image()) != image.height())
        return std::nullopt;
    const bool lossy = quality && mode == WebpEncoder::Mode::Lossy;
    WebPConfig config;
    if (!WebPConfigPreset(&config, WEBP_PRESET_DEFAULT, float(quality.value_or(75))))
        return std::nullopt;
    config.method = lossy ? WebpEncoder::kEffort : 4;
    config.lossless = lossy ? 0 : 1;
    if (quality && mode == WebpEncoder::Mode::NearLossless)
        config.near_lossless = *quality;
    config.use_sharp_yuv = lossy ? 1 : 0;
    Picture picture;
    if (!(lossy ? convertInBands(image, picture) : fillArgb(image, picture)))
        return std::nullopt;
    WebPMemoryWriter writer;
    WebPMemoryWriterInit(&writer);
    const std::unique_ptr<WebPMemoryWriter, decltype(&WebPMemoryWriterClear)> written(&writer, &WebPMemoryWriterClear);
    picture.writer = WebPMemoryWrite;
    picture.custom_ptr = &writer;
    if (!WebPEncode(&config, &picture))
        return std::nullopt;
    return QByteArray(reinterpret_cast<const char*>(writer.mem), qsizetype(writer.size));
}

} // namespace

QByteArray WebpEncoder::encode(const VImage& image, std::optional<int> quality, bool keepMetadata, Mode mode)
{
    if (!keepMetadata) {
        if (std::optional<QByteArray> lean = encodeLean(image, quality, mode))
            return *lean;
    }
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
