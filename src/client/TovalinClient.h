#pragma once

// The client of the image-optimization service: uploads one image with the user's options, asks once
// more when the result is still pending, and saves the results beside the source. An immutable value:
// the base address, the shared HTTPS transport and nothing else, so copies may be used from any
// coroutine on the transport's thread.
//
// The source is read as it is sent and each result written as it arrives, a chunk at a time on the
// transport's event loop, so an image of any size costs little memory and never blocks the UI thread
// for long; a finished result is committed on the thread pool.

#include "client/APIMeta.h"
#include "client/CancelToken.h"
#include "model/DownloadedFile.h"
#include "model/TovalinOptions.h"
#include "output/OutputMark.h"
#include "output/OutputNames.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QUrl>
#include <qcoro/qcorotask.h>

#include <functional>
#include <memory>
#include <optional>

class HttpTransport;

class TovalinClient
{
public:
    // The shape of optimize(), for whoever runs jobs: a client's own, or a stand-in in tests.
    using Operation = std::function<QCoro::Task<QList<DownloadedFile>>(QUrl file, TovalinOptions options,
                                                                       CancelToken token, OutputNames::Naming naming)>;

    // The service fixed at build time, through the process-wide transport.
    TovalinClient();
    TovalinClient(QUrl baseUrl, std::shared_ptr<HttpTransport> transport);

    QUrl postReducerURL() const;
    QUrl reducerURL() const;
    QString pluginCode() const { return QStringLiteral("MAC01"); }
    std::shared_ptr<HttpTransport> transport() const { return m_transport; }

    // Read, upload, at most one poll, then download: the files saved beside `file` under the names
    // `naming` gives, in the order optimized, WebP, AVIF, or the fallback alone. Throws an Error:
    // TovalinError, TransportError, FileError, or CancelledError once `token` fires.
    QCoro::Task<QList<DownloadedFile>> optimize(QUrl file, TovalinOptions options, CancelToken token,
                                                OutputNames::Naming naming = OutputNames::Naming::baseName) const;

    // optimize() of a copy of this client, which lives as long as the function.
    Operation operation() const;

    // The steps of optimize(), each one request.
    QCoro::Task<APIMeta> callPostReducer(QUrl file, QByteArray data, std::optional<QString> convertTo,
                                         TovalinOptions options, CancelToken token) const;
    QCoro::Task<APIMeta> pollReducer(QString originalURL, std::optional<QString> convertTo, TovalinOptions options,
                                     CancelToken token) const;
    // Each file saved carries the mark of its `source` as it was sent, when that is known.
    QCoro::Task<QList<DownloadedFile>> downloadResults(QUrl file, APIMeta meta, TovalinOptions options,
                                                       CancelToken token,
                                                       OutputNames::Naming naming = OutputNames::Naming::baseName,
                                                       std::optional<OutputMark::Source> source = std::nullopt) const;

    // "+webp", "+avif", "+webp|+avif", or nothing.
    static std::optional<QString> buildConvertString(const TovalinOptions& options);
    // Compact JSON with each "/" inside strings written "\/"; throws TovalinError when the result is
    // not valid UTF-8.
    static QString jsonString(const QJsonObject& value);
    // The registered media type of the file name's extension, "application/octet-stream" when none.
    static QString mimeType(const QUrl& file);

    // True when none of the six result addresses is present (an empty text counts as present).
    static bool missingDownloadURLs(const APIMeta& meta);
    static std::optional<QString> preferredOriginalURL(const APIMeta& meta, Compression compression);
    static std::optional<QString> preferredWebPURL(const APIMeta& meta, Compression compression);
    static std::optional<QString> preferredAVIFURL(const APIMeta& meta, Compression compression);
    // The address to fetch a result from: "http" becomes "https"; anything that is then not an https
    // address with a host gives nothing.
    static std::optional<QUrl> secureURL(const QString& text);

private:
    QUrl endpoint(const QString& path) const;

    QUrl m_baseUrl;
    std::shared_ptr<HttpTransport> m_transport;
};
