#pragma once

// The client of the image-optimization service: uploads one image with the user's options, asks once
// more when the result is still pending, chooses the results of the final answer, and downloads each
// into the file it is given. Where results go and under which names is not its business
// (JobPipeline, OutputWriter). An immutable value: the base address, the shared HTTPS transport and
// nothing else, so copies may be used from any coroutine on the transport's thread.
//
// The source is read as it is sent and each result written as it arrives, a chunk at a time on the
// transport's event loop, so an image of any size costs little memory and never blocks the UI thread
// for long.

#include "client/APIMeta.h"
#include "client/CancelToken.h"
#include "model/DownloadedFile.h"
#include "model/OutputKind.h"
#include "model/TovalinOptions.h"

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
class QIODevice;

class TovalinClient
{
public:
    // A job's work with a client and the key its requests carry (nothing: the key of its options).
    using ClientJob =
        std::function<QCoro::Task<QList<DownloadedFile>>(TovalinClient client, std::optional<QString> apiKey)>;
    // Lends a client to each job: a client itself, or the engine on this computer, started as needed.
    using JobHost = std::function<QCoro::Task<QList<DownloadedFile>>(ClientJob job, CancelToken token)>;

    // The service fixed at build time, through the process-wide transport.
    TovalinClient();
    TovalinClient(QUrl baseUrl, std::shared_ptr<HttpTransport> transport);

    QUrl postReducerURL() const;
    QUrl reducerURL() const;
    QString pluginCode() const { return QStringLiteral("MAC01"); }
    std::shared_ptr<HttpTransport> transport() const { return m_transport; }

    // Every job gets a copy of this client.
    JobHost host() const;

    // The service is asked once more about a pending image, and its answer is final. The engine on this
    // computer is asked again for as long as it answers that it is still at work (an image waits there
    // for the processor behind the others of a run, however long that takes), up to a limit.
    void setPollsUntilDone(bool untilDone) { m_pollsUntilDone = untilDone; }
    bool pollsUntilDone() const { return m_pollsUntilDone; }
    static constexpr int maxPolls = 48;

    // Read, upload, one poll or more (see above): the service's last answer about `file`. Throws an
    // Error: TovalinError, TransportError, FileError, or CancelledError once `token` fires.
    QCoro::Task<APIMeta> finalReply(QUrl file, TovalinOptions options, CancelToken token) const;

    struct Result
    {
        OutputKind kind;
        QUrl remote;
    };
    struct Choice
    {
        // One address per kind asked for, in the order optimized, WebP, AVIF.
        QList<Result> results;
        // The uploaded image itself, for when none of the results can be saved.
        std::optional<Result> fallback;
    };
    static Choice chooseResults(const APIMeta& meta, const TovalinOptions& options);

    // Fetches a result into `destination`, open for writing and kept until the call ends: only a 2xx
    // answer with a body goes into it. The bytes written. Throws TovalinError (a failed download, or
    // writeFailed), TransportError, CancelledError.
    QCoro::Task<qint64> download(QUrl remote, QIODevice* destination, CancelToken token) const;

    // The steps of finalReply(), each one request.
    QCoro::Task<APIMeta> callPostReducer(QUrl file, QByteArray data, std::optional<QString> convertTo,
                                         TovalinOptions options, CancelToken token) const;
    QCoro::Task<APIMeta> pollReducer(QString originalURL, std::optional<QString> convertTo, TovalinOptions options,
                                     CancelToken token) const;
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
    bool m_pollsUntilDone = false;
};
