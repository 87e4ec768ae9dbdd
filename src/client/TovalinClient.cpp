#include "client/TovalinClient.h"

#include "client/CancelledError.h"
#include "client/FileError.h"
#include "client/HttpTransport.h"
#include "client/MultipartFormData.h"
#include "client/RequestParameters.h"
#include "client/ServiceConfig.h"
#include "client/TovalinError.h"
#include "client/UploadBody.h"
#include "model/FileNames.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QMimeDatabase>
#include <QStringDecoder>

#include <utility>

// Every coroutine here takes the client by value: a suspended coroutine must not rely on the object it
// was called on, which the caller may let go meanwhile.

namespace {

const QString octetStream = QStringLiteral("application/octet-stream");

// The multipart text before and after the file's content: the fields, the file part's headers, and
// the end of the part with the closing delimiter.
struct FormFrame
{
    QByteArray head;
    QByteArray tail;
    QByteArray contentType;
};

FormFrame uploadFrame(const TovalinClient& client, const QString& path, const QString& mimeType,
                      const std::optional<QString>& convertTo, const TovalinOptions& options)
{
    MultipartFormData form;
    for (const auto& [name, value] : RequestParameters(options, convertTo, client.pluginCode()).formFields()) {
        form.addField(name, value);
    }
    form.addField(QStringLiteral("file_paths"),
                  TovalinClient::jsonString(QJsonObject{{QStringLiteral("file1"), path}}));
    form.beginFile(QStringLiteral("file1"), QFileInfo(path).fileName(), mimeType);
    FormFrame frame;
    frame.head = form.takeData();
    form.endFile();
    form.close();
    frame.tail = form.takeData();
    frame.contentType = form.contentType().toUtf8();
    return frame;
}

QString localPath(const QUrl& file)
{
    return file.isLocalFile() ? file.toLocalFile() : file.path();
}

QCoro::Task<qint64> runDownload(TovalinClient client, QUrl remote, QIODevice* destination, CancelToken token)
{
    const HttpResponse response =
        co_await client.transport()->download(remote, destination, token, HttpTransport::maxDownloadSize);
    // An error page or an empty answer is not a result: saving it would report a failure as success.
    if (response.statusCode < 200 || response.statusCode > 299) {
        throw TovalinError::downloadFailed(response.statusCode);
    }
    if (response.bodySize == 0) {
        throw TovalinError::downloadFailed(std::nullopt);
    }
    if (!response.saved) {
        throw TovalinError::writeFailed();
    }
    co_return response.bodySize;
}

QCoro::Task<APIMeta> postForm(TovalinClient client, QByteArray contentType, std::shared_ptr<UploadBody> body,
                              CancelToken token)
{
    const HttpResponse response =
        co_await client.transport()->dataFor(client.postReducerURL(), std::move(contentType), std::move(body), token);
    co_return decodeMeta(response.body);
}

QCoro::Task<APIMeta> runPostReducer(TovalinClient client, QUrl file, QByteArray data, std::optional<QString> convertTo,
                                    TovalinOptions options, CancelToken token)
{
    if (token.isCancelled()) {
        throw CancelledError();
    }
    FormFrame frame = uploadFrame(client, localPath(file), TovalinClient::mimeType(file), convertTo, options);
    co_return co_await postForm(
        client, std::move(frame.contentType),
        std::make_shared<UploadBody>(std::move(frame.head), std::move(data), std::move(frame.tail)), token);
}

QCoro::Task<APIMeta> runPollReducer(TovalinClient client, QString originalURL, std::optional<QString> convertTo,
                                    TovalinOptions options, CancelToken token)
{
    const QString json =
        TovalinClient::jsonString(RequestParameters(options, convertTo, client.pluginCode()).pollBody(originalURL));
    const HttpResponse response = co_await client.transport()->dataFor(
        client.reducerURL(), QByteArrayLiteral("application/json"), json.toUtf8(), token);
    co_return decodeMeta(response.body);
}

QCoro::Task<APIMeta> runFinalReply(TovalinClient client, QUrl file, TovalinOptions options, CancelToken token)
{
    if (token.isCancelled()) {
        throw CancelledError();
    }
    if (!file.isLocalFile()) {
        throw FileError(file.toDisplayString(), FileError::tr("not a local file"));
    }
    // The file map names the file in UTF-8 text: a name that is not UTF-8 cannot be sent at all.
    if (!FileNames::isUtf8(file.toLocalFile())) {
        throw TovalinError::api(TovalinError::tr("Failed to encode parameters."));
    }
    const std::optional<QString> convertTo = TovalinClient::buildConvertString(options);
    // The file is read as it is sent, in chunks, so that an image of any size costs little memory; a
    // file that cannot be opened fails here, before anything is sent.
    const QString path = file.toLocalFile();
    FormFrame frame = uploadFrame(client, path, TovalinClient::mimeType(file), convertTo, options);
    std::shared_ptr<UploadBody> body = UploadBody::withFile(std::move(frame.head), path, std::move(frame.tail));
    APIMeta meta = co_await postForm(client, std::move(frame.contentType), std::move(body), token);

    const auto pending = [](const APIMeta& reply) {
        const qint64 code = statusCode(reply);
        return (code == 1 || (code == 2 && TovalinClient::missingDownloadURLs(reply))) && reply.OriginalURL;
    };
    // One question more, and its answer is final: the service does the waiting ("wait"). The engine on
    // this computer is asked until it is done.
    const int polls = client.pollsUntilDone() ? TovalinClient::maxPolls : 1;
    for (int poll = 0; poll < polls && pending(meta); ++poll) {
        meta = co_await client.pollReducer(*meta.OriginalURL, convertTo, options, token);
    }
    co_return meta;
}

QCoro::Task<QList<DownloadedFile>> runHosted(TovalinClient client, TovalinClient::ClientJob job)
{
    co_return co_await job(std::move(client), std::nullopt);
}

std::optional<QString> preferred(const std::optional<QString>& lossy, const std::optional<QString>& lossless,
                                 Compression compression)
{
    if (compression == Compression::lossless) {
        return lossless ? lossless : lossy;
    }
    return lossy ? lossy : lossless;
}

} // namespace

TovalinClient::TovalinClient()
    : TovalinClient(QUrl(QString::fromUtf8(ServiceConfig::baseUrl)), HttpTransport::shared())
{
}

TovalinClient::TovalinClient(QUrl baseUrl, std::shared_ptr<HttpTransport> transport)
    : m_baseUrl(std::move(baseUrl))
    , m_transport(std::move(transport))
{
}

QUrl TovalinClient::endpoint(const QString& path) const
{
    QUrl url = m_baseUrl;
    QString basePath = url.path();
    while (basePath.endsWith(QLatin1Char('/'))) {
        basePath.chop(1);
    }
    url.setPath(basePath + path);
    url.setQuery(QString());
    url.setFragment(QString());
    return url;
}

TovalinClient::JobHost TovalinClient::host() const
{
    return [client = *this](ClientJob job, CancelToken) { return runHosted(client, std::move(job)); };
}

QUrl TovalinClient::postReducerURL() const
{
    return endpoint(QStringLiteral("/v2/post-reducer.php"));
}

QUrl TovalinClient::reducerURL() const
{
    return endpoint(QStringLiteral("/v2/reducer.php"));
}

QCoro::Task<APIMeta> TovalinClient::finalReply(QUrl file, TovalinOptions options, CancelToken token) const
{
    return runFinalReply(*this, std::move(file), std::move(options), std::move(token));
}

QCoro::Task<APIMeta> TovalinClient::callPostReducer(QUrl file, QByteArray data, std::optional<QString> convertTo,
                                                    TovalinOptions options, CancelToken token) const
{
    return runPostReducer(*this, std::move(file), std::move(data), std::move(convertTo), std::move(options),
                          std::move(token));
}

QCoro::Task<APIMeta> TovalinClient::pollReducer(QString originalURL, std::optional<QString> convertTo,
                                                TovalinOptions options, CancelToken token) const
{
    return runPollReducer(*this, std::move(originalURL), std::move(convertTo), std::move(options), std::move(token));
}

QCoro::Task<qint64> TovalinClient::download(QUrl remote, QIODevice* destination, CancelToken token) const
{
    return runDownload(*this, std::move(remote), destination, std::move(token));
}

TovalinClient::Choice TovalinClient::chooseResults(const APIMeta& meta, const TovalinOptions& options)
{
    Choice choice;
    // The choice ends at the first address present for a kind: one the check refuses skips the kind.
    const auto add = [&choice](OutputKind kind, const std::optional<QString>& text) {
        if (const std::optional<QUrl> remote = text ? secureURL(*text) : std::nullopt) {
            choice.results.append({kind, *remote});
        }
    };
    add(OutputKind::optimized, preferredOriginalURL(meta, options.compression));
    if (options.convertToWebP) {
        add(OutputKind::webp, preferredWebPURL(meta, options.compression));
    }
    if (options.convertToAVIF) {
        add(OutputKind::avif, preferredAVIFURL(meta, options.compression));
    }
    if (const std::optional<QUrl> original = meta.OriginalURL ? secureURL(*meta.OriginalURL) : std::nullopt) {
        choice.fallback = Result{OutputKind::optimized, *original};
    }
    return choice;
}

std::optional<QString> TovalinClient::buildConvertString(const TovalinOptions& options)
{
    QStringList formats;
    if (options.convertToWebP) {
        formats << QStringLiteral("+webp");
    }
    if (options.convertToAVIF) {
        formats << QStringLiteral("+avif");
    }
    if (formats.isEmpty()) {
        return std::nullopt;
    }
    return formats.join(QLatin1Char('|'));
}

QString TovalinClient::jsonString(const QJsonObject& value)
{
    const QByteArray compact = QJsonDocument(value).toJson(QJsonDocument::Compact);
    // Qt's writer leaves "/" alone; the service's parameters have it escaped. Only string contents are
    // touched, tracking quotes and backslash escapes, so the structure can never change.
    QByteArray escaped;
    escaped.reserve(compact.size() + compact.count('/'));
    bool inString = false;
    bool afterBackslash = false;
    for (const char c : compact) {
        if (inString) {
            if (afterBackslash) {
                afterBackslash = false;
            } else if (c == '\\') {
                afterBackslash = true;
            } else if (c == '"') {
                inString = false;
            } else if (c == '/') {
                escaped.append("\\/");
                continue;
            }
        } else if (c == '"') {
            inString = true;
        }
        escaped.append(c);
    }
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(escaped);
    if (decoder.hasError()) {
        throw TovalinError::api(TovalinError::tr("Failed to encode parameters."));
    }
    return text;
}

QString TovalinClient::mimeType(const QUrl& file)
{
    const QString name = file.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || dot == name.size() - 1) {
        return octetStream;
    }
    // Only the extension counts, never the file's content or any other part of its name.
    const QMimeType type =
        QMimeDatabase().mimeTypeForFile(QStringLiteral("x.") + name.mid(dot + 1), QMimeDatabase::MatchExtension);
    if (!type.isValid() || type.isDefault()) {
        return octetStream;
    }
    return type.name();
}

bool TovalinClient::missingDownloadURLs(const APIMeta& meta)
{
    return !meta.LossyURL && !meta.LosslessURL && !meta.WebPLossyURL && !meta.WebPLosslessURL && !meta.AVIFLossyURL &&
           !meta.AVIFLosslessURL;
}

std::optional<QString> TovalinClient::preferredOriginalURL(const APIMeta& meta, Compression compression)
{
    return preferred(meta.LossyURL, meta.LosslessURL, compression);
}

std::optional<QString> TovalinClient::preferredWebPURL(const APIMeta& meta, Compression compression)
{
    return preferred(meta.WebPLossyURL, meta.WebPLosslessURL, compression);
}

std::optional<QString> TovalinClient::preferredAVIFURL(const APIMeta& meta, Compression compression)
{
    return preferred(meta.AVIFLossyURL, meta.AVIFLosslessURL, compression);
}

std::optional<QUrl> TovalinClient::secureURL(const QString& text)
{
    // Qt lower-cases a scheme while parsing, yet only a scheme written exactly "http" is upgraded and
    // only one written exactly "https" is kept, so the scheme is read from the text itself.
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon <= 0) {
        return std::nullopt;
    }
    const QStringView scheme = QStringView(text).left(colon);
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) {
        return std::nullopt;
    }
    const QUrl url(QStringLiteral("https") + text.mid(colon), QUrl::StrictMode);
    if (!url.isValid() || url.scheme() != QLatin1String("https") || url.host().isEmpty()) {
        return std::nullopt;
    }
    return url;
}
