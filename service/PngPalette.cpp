#include "service/PngPalette.h"

#include <libimagequant.h>
#include <omp.h>
#include <vector>

using vips::VImage;

namespace {

// libimagequant spreads its loops over every core with OpenMP, whose idle threads spin while they wait.
// The service already gives each picture one core of its own, so a picture's palette is chosen on its
// own thread alone.
void oneThread()
{
    omp_set_num_threads(1);
}

struct ResultDeleter
{
    void operator()(liq_result* result) const { liq_result_destroy(result); }
};

} // namespace

void PngPalette::Deleters::operator()(liq_attr* attr) const
{
    liq_attr_destroy(attr);
}

void PngPalette::Deleters::operator()(liq_image* image) const
{
    liq_image_destroy(image);
}

PngPalette::PngPalette(const VImage& image)
    : m_original(image)
{
    oneThread();
    VImage rgba = image.bands() < 3 ? image.colourspace(VIPS_INTERPRETATION_sRGB) : image;
    if (!rgba.has_alpha())
        rgba = rgba.bandjoin_const({255});
    m_rgba = rgba.cast(VIPS_FORMAT_UCHAR).copy_memory();
    m_attr.reset(liq_attr_create());
    liq_set_speed(m_attr.get(), kSpeed);
    liq_set_max_colors(m_attr.get(), 256);
    m_image.reset(liq_image_create_rgba(m_attr.get(), m_rgba.data(), m_rgba.width(), m_rgba.height(), 0));
    if (!m_image)
        throw vips::VError("the picture's colours could not be read");
}

PngPalette::~PngPalette() = default;

std::optional<VImage> PngPalette::at(int quality, double dither)
{
    oneThread();
    liq_set_quality(m_attr.get(), 0, quality);
    liq_result* quantized = nullptr;
    if (liq_image_quantize(m_image.get(), m_attr.get(), &quantized) != LIQ_OK)
        return std::nullopt;
    const std::unique_ptr<liq_result, ResultDeleter> result(quantized);
    liq_set_dithering_level(result.get(), float(dither));
    const int width = m_rgba.width();
    const int height = m_rgba.height();
    std::vector<unsigned char> indices(std::size_t(width) * std::size_t(height));
    if (liq_write_remapped_image(result.get(), m_image.get(), indices.data(), indices.size()) != LIQ_OK)
        return std::nullopt;
    const liq_palette* palette = liq_get_palette(result.get());
    const std::size_t size = indices.size() * 4;
    auto* samples = static_cast<unsigned char*>(g_malloc(size));
    for (std::size_t i = 0; i < indices.size(); ++i) {
        const liq_color& c = palette->entries[indices[i]];
        samples[4 * i] = c.r;
        samples[4 * i + 1] = c.g;
        samples[4 * i + 2] = c.b;
        samples[4 * i + 3] = c.a;
    }
    VImage remapped = VImage::new_from_memory_steal(samples, size, width, height, 4, VIPS_FORMAT_UCHAR)
                          .copy(VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
    // Back in the original's bands: grey stays grey, an opaque picture gets no alpha.
    const bool grey = m_original.bands() < 3;
    if (grey)
        remapped = remapped.colourspace(VIPS_INTERPRETATION_B_W);
    if (!m_original.has_alpha())
        remapped = remapped.extract_band(0, VImage::option()->set("n", remapped.bands() - 1));
    return remapped.copy_memory();
}
