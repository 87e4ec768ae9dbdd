#include "service/JpegEncoder.h"

#include "service/LosslessJpeg.h"

#include <algorithm>
#include <array>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <jpeglib.h>
#include <memory>
#include <stdexcept>

using vips::VImage;

namespace {

// Luma and chroma tables, natural order. Luma keeps the standard's Annex K table near visually
// lossless, where it measured better at equal butteraugli distance than the smooth tables of the
// literature (Klein-Silverstein-Carney, PSNR-HVS, Peterson-Ahumada-Watson): its fine steps at high
// frequencies keep edges from ringing, which is where the distance peaks. At Lossy's distance the table
// tuned for multi-scale SSIM costs less (see LumaTable). Chroma takes the smooth
// table that rises with frequency alike in both directions, after N. Robidoux's study of JPEG
// quantization for ImageMagick (2012): coarser than Annex K's at low frequencies and finer at high.
constexpr std::array<unsigned int, 64> kLuma{
    16, 11, 10, 16, 24,  40,  51,  61,  //
    12, 12, 14, 19, 26,  58,  60,  55,  //
    14, 13, 16, 24, 40,  57,  69,  56,  //
    14, 17, 22, 29, 51,  87,  80,  62,  //
    18, 22, 37, 56, 68,  109, 103, 77,  //
    24, 35, 55, 64, 81,  104, 113, 92,  //
    49, 64, 78, 87, 103, 121, 120, 101, //
    72, 92, 95, 98, 112, 100, 103, 99,  //
};
constexpr std::array<unsigned int, 64> kStructuralLuma{
    12, 17, 20, 21, 30,  34,  56,  63,  //
    18, 20, 20, 26, 28,  51,  61,  55,  //
    19, 20, 21, 26, 33,  58,  69,  55,  //
    26, 26, 26, 30, 46,  87,  86,  66,  //
    31, 33, 36, 40, 46,  96,  100, 73,  //
    40, 35, 46, 62, 81,  100, 111, 91,  //
    46, 66, 76, 86, 102, 121, 120, 101, //
    68, 90, 90, 96, 113, 102, 105, 103, //
};
constexpr std::array<unsigned int, 64> kChroma{
    16, 16, 16,  18,  25,  37,  56,  85,  //
    16, 17, 20,  27,  34,  40,  53,  75,  //
    16, 20, 24,  31,  43,  62,  91,  135, //
    18, 27, 31,  40,  53,  74,  106, 156, //
    25, 34, 43,  53,  69,  94,  131, 189, //
    37, 40, 62,  74,  94,  124, 169, 238, //
    56, 53, 91,  106, 131, 169, 226, 311, //
    85, 75, 135, 156, 189, 238, 311, 418, //
};

const std::array<unsigned int, 64>& lumaOf(JpegEncoder::LumaTable luma)
{
    return luma == JpegEncoder::LumaTable::Structural ? kStructuralLuma : kLuma;
}

int scaleOf(int quality)
{
    quality = std::clamp(quality, 1, 100);
    return quality < 50 ? 5000 / quality : 200 - quality * 2;
}

unsigned int stepOf(unsigned int base, int quality)
{
    const long step = (long(base) * scaleOf(quality) + 50) / 100;
    return static_cast<unsigned int>(std::clamp(step, 1L, 255L));
}

struct ErrorManager
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

extern "C" void onError(j_common_ptr cinfo)
{
    auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, manager->message);
    std::longjmp(manager->jump, 1);
}

extern "C" void onMessage(j_common_ptr, int)
{
}

// Rows of a libvips picture, read a strip at a time through a region: nothing of the picture is copied
// whole, whatever it is made of.
struct RowSource
{
    VipsRegion* region;
    int width;
    int height;
    int strip = -1;

    static constexpr int kStrip = 16;

    const unsigned char* row(int y)
    {
        if (y / kStrip != strip) {
            strip = y / kStrip;
            VipsRect rect{0, strip * kStrip, width, std::min(kStrip, height - strip * kStrip)};
            if (vips_region_prepare(region, &rect) != 0)
                return nullptr;
        }
        return reinterpret_cast<const unsigned char*>(VIPS_REGION_ADDR(region, 0, y));
    }
};

// Plain C-style body: nothing with a destructor lives across setjmp/longjmp here.
bool compress(RowSource& pixels, int width, int height, int bands, const JpegEncoder::Settings& settings,
              const JpegEncoder::Marker* markers, int markerCount, unsigned char** output, unsigned long* outputSize,
              char* error, std::size_t errorSize)
{
    jpeg_compress_struct cinfo;
    ErrorManager manager;
    std::memset(&cinfo, 0, sizeof cinfo);
    cinfo.err = jpeg_std_error(&manager.pub);
    manager.pub.error_exit = onError;
    manager.pub.emit_message = onMessage;
    manager.message[0] = '\0';
    if (setjmp(manager.jump)) {
        std::snprintf(error, errorSize, "%s", manager.message);
        jpeg_destroy_compress(&cinfo);
        std::free(*output);
        *output = nullptr;
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, output, outputSize);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = bands;
    cinfo.in_color_space = bands == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    cinfo.dct_method = JDCT_ISLOW;
    std::array<unsigned int, 64> table{};
    for (std::size_t i = 0; i < 64; ++i)
        table[i] = stepOf(lumaOf(settings.luma)[i], settings.quality);
    jpeg_add_quant_table(&cinfo, 0, table.data(), 100, TRUE);
    for (std::size_t i = 0; i < 64; ++i)
        table[i] = stepOf(kChroma[i], settings.quality);
    jpeg_add_quant_table(&cinfo, 1, table.data(), 100, TRUE);
    if (bands == 3) {
        const int factor = settings.chroma == JpegEncoder::Chroma::Half ? 2 : 1;
        cinfo.comp_info[0].h_samp_factor = factor;
        cinfo.comp_info[0].v_samp_factor = factor;
        for (int c = 1; c < 3; ++c)
            cinfo.comp_info[c].h_samp_factor = cinfo.comp_info[c].v_samp_factor = 1;
    }
    // Baseline with the standard's Huffman tables streams: nothing of the picture is held whole here.
    // The smallest coding is then chosen from the coefficients of this file (LosslessJpeg).
    cinfo.optimize_coding = FALSE;
    // Our own markers follow; the JFIF header carries no resolution of its own.
    cinfo.write_JFIF_header = TRUE;
    jpeg_start_compress(&cinfo, TRUE);
    for (int i = 0; i < markerCount; ++i) {
        const QByteArray& data = markers[i].data;
        jpeg_write_marker(&cinfo, markers[i].code, reinterpret_cast<const JOCTET*>(data.constData()),
                          static_cast<unsigned int>(data.size()));
    }
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(pixels.row(int(cinfo.next_scanline)));
        if (!row) {
            std::snprintf(error, errorSize, "the pixels could not be read");
            jpeg_destroy_compress(&cinfo);
            std::free(*output);
            *output = nullptr;
            return false;
        }
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

QByteArray takeBlob(VipsBlob* blob)
{
    std::size_t length = 0;
    const void* bytes = vips_blob_get(blob, &length);
    QByteArray result(static_cast<const char*>(bytes), static_cast<qsizetype>(length));
    vips_area_unref(reinterpret_cast<VipsArea*>(blob));
    return result;
}

// Reads the header of a JPEG held in memory and hands the decompressor to `use`; false when unreadable.
template <typename Use>
bool readHeader(const QByteArray& jpeg, bool saveMarkers, Use use)
{
    jpeg_decompress_struct cinfo;
    ErrorManager manager;
    std::memset(&cinfo, 0, sizeof cinfo);
    cinfo.err = jpeg_std_error(&manager.pub);
    manager.pub.error_exit = onError;
    manager.pub.emit_message = onMessage;
    if (setjmp(manager.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(jpeg.constData()),
                 static_cast<unsigned long>(jpeg.size()));
    if (saveMarkers) {
        jpeg_save_markers(&cinfo, JPEG_COM, 0xffff);
        for (int m = 0; m < 16; ++m)
            jpeg_save_markers(&cinfo, JPEG_APP0 + m, 0xffff);
    }
    jpeg_read_header(&cinfo, TRUE);
    use(cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

double lowFrequencyMean(const unsigned int* steps)
{
    double sum = 0;
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x)
            sum += steps[y * 8 + x];
    }
    return sum / 16.0;
}

} // namespace

QByteArray JpegEncoder::encode(const VImage& pixels, const Settings& settings, const QList<Marker>& markers)
{
    if (pixels.interpretation() == VIPS_INTERPRETATION_CMYK) {
        // CMYK keeps its profile, which its colours mean nothing without; libvips writes it with the rest
        // (and an EXIF block of its own making), and the copy without them keeps the profile alone.
        const QByteArray jpeg = takeBlob(pixels.jpegsave_buffer(VImage::option()->set("Q", settings.quality)));
        if (!markers.isEmpty() || !settings.smallest)
            return jpeg;
        return LosslessJpeg::transcode(jpeg, false, 1).value_or(jpeg);
    }
    const VImage image = pixels.format() == VIPS_FORMAT_UCHAR ? pixels : pixels.cast(VIPS_FORMAT_UCHAR);
    std::unique_ptr<VipsRegion, decltype(&g_object_unref)> region(vips_region_new(image.get_image()), &g_object_unref);
    RowSource rows{region.get(), image.width(), image.height()};
    unsigned char* output = nullptr;
    unsigned long outputSize = 0;
    char error[JMSG_LENGTH_MAX + 1] = {};
    if (!compress(rows, image.width(), image.height(), image.bands(), settings, markers.constData(),
                  int(markers.size()), &output, &outputSize, error, sizeof error))
        throw std::runtime_error(error);
    QByteArray result(reinterpret_cast<const char*>(output), static_cast<qsizetype>(outputSize));
    std::free(output);
    if (!settings.smallest)
        return result;
    return LosslessJpeg::transcode(result, true, 1).value_or(result);
}

QList<JpegEncoder::Marker> JpegEncoder::metadataOf(const VImage& image)
{
    // libvips brings EXIF up to date as it saves (orientation, resolution); a tiny corner of the picture
    // saved with all its fields carries exactly those markers.
    const VImage corner = image.extract_area(0, 0, std::min(8, image.width()), std::min(8, image.height()));
    VImage saved = corner.bands() == 4 && corner.interpretation() != VIPS_INTERPRETATION_CMYK
                       ? corner.extract_band(0, VImage::option()->set("n", 3))
                       : corner;
    if (saved.bands() == 2)
        saved = saved.extract_band(0);
    const QByteArray jpeg = takeBlob(saved.cast(VIPS_FORMAT_UCHAR).jpegsave_buffer(VImage::option()->set("Q", 50)));
    QList<Marker> markers;
    readHeader(jpeg, true, [&markers](jpeg_decompress_struct& cinfo) {
        for (jpeg_saved_marker_ptr m = cinfo.marker_list; m; m = m->next) {
            const bool jfif = m->marker == JPEG_APP0 && m->data_length >= 5 && std::memcmp(m->data, "JFIF\0", 5) == 0;
            if (!jfif)
                markers.append({int(m->marker), QByteArray(reinterpret_cast<const char*>(m->data),
                                                           static_cast<qsizetype>(m->data_length))});
        }
    });
    return markers;
}

std::optional<double> JpegEncoder::lowFrequencyStepOf(const QByteArray& jpeg)
{
    std::optional<double> step;
    readHeader(jpeg, false, [&step](jpeg_decompress_struct& cinfo) {
        const int slot = cinfo.comp_info ? cinfo.comp_info[0].quant_tbl_no : 0;
        if (const JQUANT_TBL* table = cinfo.quant_tbl_ptrs[slot]) {
            std::array<unsigned int, 64> steps{};
            for (std::size_t i = 0; i < 64; ++i)
                steps[i] = table->quantval[i];
            step = lowFrequencyMean(steps.data());
        }
    });
    return step;
}

double JpegEncoder::lowFrequencyStep(int quality)
{
    std::array<unsigned int, 64> steps{};
    for (std::size_t i = 0; i < 64; ++i)
        steps[i] = stepOf(kLuma[i], quality);
    return lowFrequencyMean(steps.data());
}

double JpegEncoder::bytesPerPixel(Chroma chroma, int bands)
{
    if (bands < 3)
        return 2.0;
    return 2.0 * (chroma == Chroma::Half ? 1.5 : 3.0);
}
