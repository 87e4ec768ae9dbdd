// The codec work of the service: decodes one uploaded image with libvips, applies the requested
// geometry and colour changes, and encodes the optimized image and its companions. Pure function of
// its input, safe to run on any worker thread; never touches the network or the store.
#pragma once

#include "OptimizeRequest.h"

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

    struct Output
    {
        Kind kind;
        QByteArray data;
        QString extension; // without the dot
        QByteArray mimeType;
    };

    struct Result
    {
        int code = 2; // 2 on success, 400 and above on failure
        QString message;
        QString originalExtension; // of the upload, once it is known to be an image
        QList<Output> outputs;
        int width = 0; // of the optimized image
        int height = 0;
    };

    struct Settings
    {
        qint64 maxPixels = 100'000'000; // input and output, one page or all pages together
        bool passthrough = false;       // results are the uploaded bytes (benchmarks)
    };

    static Result process(const QByteArray& original, const OptimizeRequest& request, const Settings& settings);

    // The JSON member names of the protocol for each kind ("LossyURL", …) without the "URL" suffix.
    static QString kindName(Kind kind);
    // Size of the box-fitted image, never larger than the input; a missing side leaves it free.
    static QSize fittedSize(QSize input, OptimizeRequest::Resize mode, std::optional<int> width,
                            std::optional<int> height);
};
