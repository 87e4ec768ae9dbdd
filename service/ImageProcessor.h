// The codec work of the service: decodes one uploaded image with libvips, prepares its pixels (turned
// upright, converted, resized) and encodes the optimized image and its companions. Pure function of its
// input, safe to run on any worker thread; never touches the network or the store.
#pragma once

#include "service/OptimizeRequest.h"

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>

#include <optional>

class ImageProcessor
{
public:
    enum class Kind
    {
        Lossy,
        Lossless,
        WebPLossy,
        WebPLossless,
        AvifLossy,
        AvifLossless,
    };

    enum class Outcome
    {
        Done,
        NotAnImage,
        Damaged,
        DamagedJpeg,
        TooLarge,
        // The service's own fault: an encoder or the measure failed, or memory ran out.
        Failed,
    };

    // What the answer says about a result besides that it was optimized, in the order it happened.
    enum class Note
    {
        OriginalKept,
        FramesNotResized,
        LosslessJpegAtHighestQuality,
        WebPLossyInstead,
        AvifLossyInstead,
        NoWebP,
        NoAvif,
        NoAvifOfFrames,
        PassedThrough,
    };

    struct Output
    {
        Kind kind;
        QByteArray data;   // empty when `isOriginal`
        bool isOriginal;   // the upload itself stands in: nothing smaller was made, or passthrough
        QString extension; // without the dot
        QByteArray mimeType;
    };

    struct Result
    {
        Outcome outcome = Outcome::Done;
        QString message;
        QList<Note> notes;
        QString originalExtension; // of the upload, once it is known to be an image
        QList<Output> outputs;
        int width = 0; // of the optimized image
        int height = 0;

        // The status code of the protocol: 2 when done, 413 or 415 when refused.
        int code() const;
    };

    struct Settings
    {
        qint64 maxPixels = 100'000'000; // input and output, one page or all pages together
        bool passthrough = false;       // results are the upload itself (benchmarks)
    };

    // `originalPath` is the uploaded file; it is read, never changed.
    static Result process(const QString& originalPath, const OptimizeRequest& request, const Settings& settings);

    // What decoding the upload will hold, from its header alone (no pixels are read); nothing when it is
    // not an image this service reads.
    struct Header
    {
        QSize size; // of all pages together
        int pages = 1;
        int bands = 0;
        int sampleBytes = 1;
        // Whether a palette is tried for the result (PNG, and BMP, whose result is a PNG).
        bool palette = false;
    };
    static std::optional<Header> readHeader(const QString& originalPath);

    // Memory that processing one upload holds at its peak, for admission before it is decoded: bytes per
    // pixel (of the larger of input and output) for a picture of `bands` bands of `bytesPerSample` bytes,
    // plus a fixed amount for measuring. The decoded pixels are held once, and every encoder works from
    // them with at most about as much again: the decoded palette picture the quality is measured on, a
    // JPEG's coefficients (2 bytes each: 1.5 per pixel at 4:2:0, 3 at 4:4:4, which the lossless copy of
    // a JPEG with full chroma needs and our own encoder only uses below 32 megapixels), WebP's YUV
    // planes; more for a palette (`palette`) and for a WebP companion (`webp`) coded losslessly. The
    // encoded results are each smaller than the upload.
    static double peakBytesPerPixel(int bands, int bytesPerSample, bool webp, bool palette,
                                    bool jpegWithFullChroma = false);
    // What measuring the quality of a picture of `pixels` holds besides: all of a small one, a few
    // tiles of a larger one, whatever its size.
    static qint64 measuringPeakBytes(qint64 pixels);

    // The JSON member names of the protocol for each kind ("LossyURL", …) without the "URL" suffix.
    static QString kindName(Kind kind);
    // Size of the box-fitted image, never larger than the input; a missing side leaves it free.
    static QSize fittedSize(QSize input, OptimizeRequest::Resize mode, std::optional<int> width,
                            std::optional<int> height);
};
