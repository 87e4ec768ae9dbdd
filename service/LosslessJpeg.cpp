#include "service/LosslessJpeg.h"

#include <QByteArray>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <jpeglib.h>

namespace {

struct ErrorManager
{
    jpeg_error_mgr pub;
    std::jmp_buf* jump;
    char message[JMSG_LENGTH_MAX];
};

extern "C" void onJpegError(j_common_ptr cinfo)
{
    auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, manager->message);
    std::longjmp(*manager->jump, 1);
}

extern "C" void onJpegMessage(j_common_ptr, int)
{
}

bool isIccProfile(const jpeg_saved_marker_ptr marker)
{
    return marker->marker == JPEG_APP0 + 2 && marker->data_length >= 12 &&
           std::memcmp(marker->data, "ICC_PROFILE\0", 12) == 0;
}

bool isWrittenByLibrary(const jpeg_saved_marker_ptr marker)
{
    // The compressor writes its own JFIF (APP0) and Adobe (APP14) markers from the copied parameters.
    if (marker->marker == JPEG_APP0 && marker->data_length >= 5 && std::memcmp(marker->data, "JFIF\0", 5) == 0)
        return true;
    return marker->marker == JPEG_APP0 + 14 && marker->data_length >= 5 && std::memcmp(marker->data, "Adobe", 5) == 0;
}

// Writes the coefficients a decompressor has read, with the markers to keep, in one of the two codings.
// Plain C-style body: nothing with a destructor lives across setjmp/longjmp here.
bool writeCoded(jpeg_decompress_struct& src, jvirt_barray_ptr* coefficients, bool keepMetadata, const QByteArray& exif,
                bool progressive, unsigned char** output, unsigned long* outputSize, char* errorText,
                std::size_t errorSize)
{
    jpeg_compress_struct dst;
    ErrorManager dstError;
    std::memset(&dst, 0, sizeof dst);
    dst.err = jpeg_std_error(&dstError.pub);
    dstError.pub.error_exit = onJpegError;
    dstError.pub.emit_message = onJpegMessage;
    dstError.message[0] = '\0';
    std::jmp_buf jump;
    dstError.jump = &jump;
    if (setjmp(jump)) {
        std::snprintf(errorText, errorSize, "%s", dstError.message);
        jpeg_destroy_compress(&dst);
        std::free(*output);
        *output = nullptr;
        return false;
    }
    jpeg_create_compress(&dst);
    jpeg_copy_critical_parameters(&src, &dst);
    dst.optimize_coding = TRUE;
    if (progressive)
        jpeg_simple_progression(&dst);
    jpeg_mem_dest(&dst, output, outputSize);
    jpeg_write_coefficients(&dst, coefficients);
    for (jpeg_saved_marker_ptr marker = src.marker_list; marker; marker = marker->next) {
        if (isWrittenByLibrary(marker))
            continue;
        if (keepMetadata || isIccProfile(marker))
            jpeg_write_marker(&dst, static_cast<int>(marker->marker), marker->data, marker->data_length);
    }
    if (!keepMetadata && !exif.isEmpty())
        jpeg_write_marker(&dst, JPEG_APP0 + 1, reinterpret_cast<const JOCTET*>(exif.constData()),
                          static_cast<unsigned int>(exif.size()));
    jpeg_finish_compress(&dst);
    jpeg_destroy_compress(&dst);
    return true;
}

// A buffer libjpeg's memory destination fills, freed with it.
struct Coded
{
    unsigned char* data = nullptr;
    unsigned long size = 0;
};

// Reads the coefficients once and writes them both progressive and baseline, each with optimized
// Huffman tables, into buffers the caller owns and frees: nothing here changes after setjmp but what
// lies behind pointers, which the jump leaves as it was.
// Plain C-style body: nothing with a destructor lives across setjmp/longjmp here.
bool transcodeRaw(const unsigned char* input, unsigned long inputSize, bool keepMetadata, const QByteArray& exif,
                  Coded* progressive, Coded* baseline, char* errorText, std::size_t errorSize)
{
    jpeg_decompress_struct src;
    ErrorManager srcError;
    std::memset(&src, 0, sizeof src);
    src.err = jpeg_std_error(&srcError.pub);
    srcError.pub.error_exit = onJpegError;
    // Warnings (corrupt data the decoder could work around) are not fatal for a lossless copy, but
    // the decoder is told to stop on them below.
    srcError.pub.emit_message = onJpegMessage;
    srcError.message[0] = '\0';
    std::jmp_buf jump;
    srcError.jump = &jump;

    if (setjmp(jump)) {
        std::snprintf(errorText, errorSize, "%s", srcError.message);
        jpeg_destroy_decompress(&src);
        return false;
    }

    jpeg_create_decompress(&src);
    jpeg_mem_src(&src, input, inputSize);
    jpeg_save_markers(&src, JPEG_COM, 0xffff);
    for (int m = 0; m < 16; ++m)
        jpeg_save_markers(&src, JPEG_APP0 + m, 0xffff);
    jpeg_read_header(&src, TRUE);
    jvirt_barray_ptr* coefficients = jpeg_read_coefficients(&src);
    if (srcError.pub.num_warnings > 0) {
        std::snprintf(errorText, errorSize, "the JPEG data is damaged");
        jpeg_destroy_decompress(&src);
        return false;
    }
    const bool ok = writeCoded(src, coefficients, keepMetadata, exif, true, &progressive->data, &progressive->size,
                               errorText, errorSize) &&
                    writeCoded(src, coefficients, keepMetadata, exif, false, &baseline->data, &baseline->size,
                               errorText, errorSize);
    jpeg_finish_decompress(&src);
    jpeg_destroy_decompress(&src);
    return ok;
}

// EXIF with the orientation tag alone, little-endian: header, one IFD with one SHORT entry, no next IFD.
QByteArray orientationOnlyExif(int orientation)
{
    QByteArray exif("Exif\0\0II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0", 24);
    exif.append(char(orientation));
    exif.append(QByteArray(7, '\0')); // the value's padding, then the offset of no next IFD
    return exif;
}

} // namespace

std::optional<QByteArray> LosslessJpeg::transcode(const QByteArray& jpeg, bool keepMetadata, int orientation,
                                                  QString* error)
{
    const QByteArray exif = orientation > 1 && orientation <= 8 ? orientationOnlyExif(orientation) : QByteArray();
    Coded progressive;
    Coded baseline;
    char errorText[JMSG_LENGTH_MAX + 32] = {};
    const bool ok =
        transcodeRaw(reinterpret_cast<const unsigned char*>(jpeg.constData()), static_cast<unsigned long>(jpeg.size()),
                     keepMetadata, exif, &progressive, &baseline, errorText, sizeof errorText);
    // Progressive usually wins by a few percent, but not on smooth pictures, whose blocks hold little
    // more than their DC: there the refinement scans cost more than they save (a 9-megapixel gradient
    // wallpaper: 11 % larger progressive).
    const Coded& smaller = baseline.size < progressive.size ? baseline : progressive;
    std::optional<QByteArray> result;
    if (ok)
        result = QByteArray(reinterpret_cast<const char*>(smaller.data), static_cast<qsizetype>(smaller.size));
    else if (error)
        *error = QString::fromLocal8Bit(errorText);
    std::free(progressive.data);
    std::free(baseline.data);
    return result;
}
