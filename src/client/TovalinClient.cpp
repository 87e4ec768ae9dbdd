#include "TovalinClient.h"

#include "CancelledError.h"
#include "FileError.h"
#include "HttpTransport.h"
#include "MultipartFormData.h"
#include "OutputNames.h"
#include "ServiceConfig.h"
#include "TovalinError.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMimeDatabase>
#include <QSaveFile>
#include <QStringDecoder>
#include <QtConcurrent/QtConcurrentRun>
#include <qcoro/qcorofuture.h>

#include <utility>

// Every coroutine here takes the client by value: a suspended coroutine must not rely on the object it
// was called on, which the caller may let go meanwhile.

namespace {

const QString octetStream = QStringLiteral("application/octet-stream");

struct FileContent
{
    QByteArray data;
    QString error; // null when the read succeeded
};

struct RequestBody
{
    QByteArray bytes;
    QByteArray contentType;
};

FileContent readWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {{}, file.errorString()};
    }
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return {{}, file.errorString()};
    }
    return {std::move(data), {}};
}

RequestBody buildUploadBody(QList<std::pair<QString, QString>> fields, QString fileName, QString mimeType,
                            QByteArray data)
{
    MultipartFormData form;
    for (const auto& [name, value] : std::as_const(fields)) {
        form.addField(name, value);
    }
    // The file is copied into the body once, into room made for it up front.
    form.reserve(data.size() + 3 * fileName.size() + mimeType.size() + 2 * form.boundary().size() + 128);
    form.addFile(QStringLiteral("file1"), fileName, mimeType, data);
    data = QByteArray();
    form.close();
    return {form.takeData(), form.contentType().toUtf8()};
}

// Atomic: the destination keeps its old content unless the whole new content is in place, and no
// temporary file stays behind when anything fails.
bool writeWholeFile(QString path, QByteArray data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString localPath(const QUrl& file)
{
    return file.isLocalFile() ? file.toLocalFile() : file.path();
}

QCoro::Task<DownloadedFile> download(TovalinClient client, QString format, QUrl remote, QString destination,
                                     CancelToken token)
{
    HttpResponse response = co_await client.transport()->dataFrom(remote, token);
    // An error page or an empty answer is not a result: saving it would report a failure as success.
    if (response.statusCode < 200 || response.statusCode > 299) {
        throw TovalinError::downloadFailed(response.statusCode);
    }
    if (response.body.isEmpty()) {
        throw TovalinError::downloadFailed(std::nullopt);
    }
    const qint64 size = response.body.size();
    const bool written = co_await QtConcurrent::run(writeWholeFile, destination, std::move(response.body));
    if (!written) {
        throw TovalinError::writeFailed();
    }
    co_return DownloadedFile(std::move(format), QUrl::fromLocalFile(destination), size);
}

QCoro::Task<QList<DownloadedFile>> runDownloads(TovalinClient client, QUrl file, APIMeta meta, TovalinOptions options,
                                                CancelToken token)
{
    const OutputNames names(localPath(file));
    QList<DownloadedFile> saved;

    if (const std::optional<QString> text = TovalinClient::preferredOriginalURL(meta, options.compression)) {
        if (const std::optional<QUrl> remote = TovalinClient::secureURL(*text)) {
            if (const std::optional<QString> destination = names.destination(names.optimized(*remote))) {
                DownloadedFile written =
                    co_await download(client, QStringLiteral("Optimized"), *remote, *destination, token);
                saved.append(std::move(written));
            }
        }
    }
    if (options.convertToWebP) {
        if (const std::optional<QString> text = TovalinClient::preferredWebPURL(meta, options.compression)) {
            if (const std::optional<QUrl> remote = TovalinClient::secureURL(*text)) {
                // A ".webp" source would be its own companion; it is never replaced.
                if (const std::optional<QString> destination = names.destination(names.webp())) {
                    DownloadedFile written =
                        co_await download(client, QStringLiteral("WebP"), *remote, *destination, token);
                    saved.append(std::move(written));
                }
            }
        }
    }
    if (options.convertToAVIF) {
        if (const std::optional<QString> text = TovalinClient::preferredAVIFURL(meta, options.compression)) {
            if (const std::optional<QUrl> remote = TovalinClient::secureURL(*text)) {
                if (const std::optional<QString> destination = names.destination(names.avif())) {
                    DownloadedFile written =
                        co_await download(client, QStringLiteral("AVIF"), *remote, *destination, token);
                    saved.append(std::move(written));
                }
            }
        }
    }
    if (saved.isEmpty() && meta.OriginalURL) {
        if (const std::optional<QUrl> remote = TovalinClient::secureURL(*meta.OriginalURL)) {
            if (const std::optional<QString> destination = names.destination(names.optimizedFallback())) {
                DownloadedFile written =
                    co_await download(client, QStringLiteral("Optimized"), *remote, *destination, token);
                saved.append(std::move(written));
            }
        }
    }
    if (saved.isEmpty()) {
        throw TovalinError::missingDownloadURL();
    }
    co_return saved;
}

QCoro::Task<APIMeta> runPostReducer(TovalinClient client, QUrl file, QByteArray data, std::optional<QString> convertTo,
                                    TovalinOptions options, CancelToken token)
{
    if (token.isCancelled()) {
        throw CancelledError();
    }
    const QString path = localPath(file);
    QList<std::pair<QString, QString>> fields = TovalinClient::uploadFields(options, convertTo, client.pluginCode());
    const QString fileMap = TovalinClient::jsonString(QJsonObject{{QStringLiteral("file1"), path}});
    fields.append({QStringLiteral("file_paths"), fileMap});
    RequestBody body = co_await QtConcurrent::run(buildUploadBody, std::move(fields), QFileInfo(path).fileName(),
                                                  TovalinClient::mimeType(file), std::move(data));
    const HttpResponse response =
        co_await client.transport()->dataFor(client.postReducerURL(), body.contentType, std::move(body.bytes), token);
    co_return decodeMeta(response.body);
}

QCoro::Task<APIMeta> runPollReducer(TovalinClient client, QString originalURL, std::optional<QString> convertTo,
                                    TovalinOptions options, CancelToken token)
{
    const QString json =
        TovalinClient::jsonString(TovalinClient::pollBody(originalURL, convertTo, options, client.pluginCode()));
    const HttpResponse response = co_await client.transport()->dataFor(
        client.reducerURL(), QByteArrayLiteral("application/json"), json.toUtf8(), token);
    co_return decodeMeta(response.body);
}

QCoro::Task<QList<DownloadedFile>> runOptimize(TovalinClient client, QUrl file, TovalinOptions options,
                                               CancelToken token)
{
    if (token.isCancelled()) {
        throw CancelledError();
    }
    if (!file.isLocalFile()) {
        throw FileError(file.toDisplayString(), QStringLiteral("not a local file"));
    }
    const QString path = file.toLocalFile();
    FileContent content = co_await QtConcurrent::run(readWholeFile, path);
    if (!content.error.isNull()) {
        throw FileError(path, content.error);
    }
    const std::optional<QString> convertTo = TovalinClient::buildConvertString(options);
    APIMeta meta = co_await client.callPostReducer(file, std::move(content.data), convertTo, options, token);

    const qint64 code = statusCode(meta);
    const bool pending = code == 1 || (code == 2 && TovalinClient::missingDownloadURLs(meta));
    if (pending && meta.OriginalURL) {
        // One question more, and its answer is final: the service does the waiting ("wait").
        meta = co_await client.pollReducer(*meta.OriginalURL, convertTo, options, token);
    }
    co_return co_await client.downloadResults(file, std::move(meta), options, token);
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

QUrl TovalinClient::postReducerURL() const
{
    return endpoint(QStringLiteral("/v2/post-reducer.php"));
}

QUrl TovalinClient::reducerURL() const
{
    return endpoint(QStringLiteral("/v2/reducer.php"));
}

QCoro::Task<QList<DownloadedFile>> TovalinClient::optimize(QUrl file, TovalinOptions options, CancelToken token) const
{
    return runOptimize(*this, std::move(file), std::move(options), std::move(token));
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

QCoro::Task<QList<DownloadedFile>> TovalinClient::downloadResults(QUrl file, APIMeta meta, TovalinOptions options,
                                                                  CancelToken token) const
{
    return runDownloads(*this, std::move(file), std::move(meta), std::move(options), std::move(token));
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
        throw TovalinError::api(QStringLiteral("Failed to encode parameters."));
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

QList<std::pair<QString, QString>> TovalinClient::uploadFields(const TovalinOptions& options,
                                                               const std::optional<QString>& convertTo,
                                                               const QString& pluginCode)
{
    const QString one = QStringLiteral("1");
    QList<std::pair<QString, QString>> fields{
        {QStringLiteral("key"), options.apiKey},
        {QStringLiteral("plugin_version"), pluginCode},
        {QStringLiteral("lossy"), QString::number(rawValue(options.compression))},
        {QStringLiteral("wait"), QStringLiteral("30")},
    };
    if (convertTo) {
        fields.append({QStringLiteral("convertto"), *convertTo});
    }
    if (options.resizeMode != ResizeMode::none) {
        fields.append({QStringLiteral("resize"), QString::number(rawValue(options.resizeMode))});
        if (options.resizeWidth) {
            fields.append({QStringLiteral("resize_width"), QString::number(*options.resizeWidth)});
        }
        if (options.resizeHeight) {
            fields.append({QStringLiteral("resize_height"), QString::number(*options.resizeHeight)});
        }
    }
    if (options.cmykToRgb) {
        fields.append({QStringLiteral("cmyk2rgb"), one});
    }
    if (options.upscale != UpscaleFactor::none) {
        fields.append({QStringLiteral("upscale"), QString::number(rawValue(options.upscale))});
    }
    if (options.removeBackground) {
        fields.append({QStringLiteral("bg_remove"), one});
    }
    if (options.keepExif) {
        fields.append({QStringLiteral("keep_exif"), one});
    }
    return fields;
}

QJsonObject TovalinClient::pollBody(const QString& originalURL, const std::optional<QString>& convertTo,
                                    const TovalinOptions& options, const QString& pluginCode)
{
    QJsonObject body{
        {QStringLiteral("key"), options.apiKey},
        {QStringLiteral("plugin_version"), pluginCode},
        {QStringLiteral("lossy"), rawValue(options.compression)},
        {QStringLiteral("wait"), 25},
        {QStringLiteral("urllist"), QJsonArray{originalURL}},
    };
    if (convertTo) {
        body.insert(QStringLiteral("convertto"), *convertTo);
    }
    if (options.resizeMode != ResizeMode::none) {
        body.insert(QStringLiteral("resize"), rawValue(options.resizeMode));
        if (options.resizeWidth) {
            body.insert(QStringLiteral("resize_width"), QJsonValue(*options.resizeWidth));
        }
        if (options.resizeHeight) {
            body.insert(QStringLiteral("resize_height"), QJsonValue(*options.resizeHeight));
        }
    }
    if (options.cmykToRgb) {
        body.insert(QStringLiteral("cmyk2rgb"), 1);
    }
    if (options.upscale != UpscaleFactor::none) {
        body.insert(QStringLiteral("upscale"), rawValue(options.upscale));
    }
    if (options.removeBackground) {
        body.insert(QStringLiteral("bg_remove"), 1);
    }
    if (options.keepExif) {
        body.insert(QStringLiteral("keep_exif"), 1);
    }
    return body;
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
