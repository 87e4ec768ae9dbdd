#include "OptimizerService.h"

#include "HttpConnection.h"
#include "HttpsServer.h"
#include "MultipartParser.h"
#include "RequestValidator.h"
#include "ResultStore.h"

#include <QDateTime>
#include <QFutureWatcher>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>
#include <QtConcurrent>

namespace {

constexpr qint64 kFormOverheadBytes = 1024 * 1024; // room for the text fields next to the file

QString megabytes(qint64 bytes)
{
    return QString::number(static_cast<double>(bytes) / (1024.0 * 1024.0), 'g', 4);
}

QString pendingMessage()
{
    return QStringLiteral("The image is still being processed. Ask again with its OriginalURL.");
}

// The authority the client used, so that the addresses in an answer reach this server the same way.
// Anything that is not a plain host[:port] falls back to localhost.
QString baseFor(const HttpRequest& request, quint16 port)
{
    static const QRegularExpression hostPattern(
        QStringLiteral("^([A-Za-z0-9.-]{1,253}|\\[[0-9A-Fa-f:.]{2,45}\\])(:[0-9]{1,5})?$"));
    const QString host = QString::fromLatin1(request.header("host"));
    if (hostPattern.match(host).hasMatch())
        return QStringLiteral("https://") + host;
    return QStringLiteral("https://localhost:%1").arg(port);
}

QString safeExtension(const QString& fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9]{1,5}$"));
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot < 0 ? QString() : fileName.mid(dot + 1).toLower();
    return pattern.match(extension).hasMatch() ? extension : QString();
}

// Paths in the log: the file tokens are capabilities, so only their first characters are shown.
QString loggedPath(const QByteArray& path)
{
    const QString text = QString::fromLatin1(path);
    if (text.startsWith(QLatin1String(OptimizerService::kFilesPrefix)))
        return text.left(int(qstrlen(OptimizerService::kFilesPrefix)) + 8) + QStringLiteral("…");
    return text.left(120);
}

} // namespace

OptimizerService::OptimizerService(const ServiceConfig& config, QObject* parent)
    : QObject(parent)
    , m_config(config)
    , m_store(new ResultStore(config.ttlSeconds, this))
{
    m_pool.setMaxThreadCount(std::max(1, config.workers));
    const qint64 maxUpload = config.maxUploadBytes;
    m_server = new HttpsServer(
        [maxUpload](const HttpRequest& request) {
            HttpRequestParser::BodyLimit limit;
            if (request.method == "POST" && request.path() == kUploadPath) {
                limit.bytes = maxUpload + kFormOverheadBytes;
                limit.tooLargeMessage =
                    QStringLiteral("The file is larger than the limit of %1 MB.").arg(megabytes(maxUpload));
            } else if (request.method == "POST" && request.path() == kPollPath) {
                limit.bytes = RequestValidator::kMaxPollBytes;
                limit.tooLargeMessage = QStringLiteral("The poll request is too large.");
            }
            return limit;
        },
        this);
    connect(m_server, &HttpsServer::requestReceived, this, &OptimizerService::handle);
    connect(m_server, &HttpsServer::requestRefused, this,
            [this](HttpConnection* connection, int status, const QString& message) {
                Q_EMIT logLine(
                    QStringLiteral("%1 %2 - - %3 (%4)")
                        .arg(QDateTime::currentDateTimeUtc().toString(Qt::ISODate), connection->peerAddress())
                        .arg(status)
                        .arg(message));
            });
    connect(m_store, &ResultStore::expired, this, &OptimizerService::forgetOriginal);
}

OptimizerService::~OptimizerService()
{
    // Work not yet started is dropped; running codecs finish before the store's folder goes.
    m_pool.clear();
    m_pool.waitForDone();
}

bool OptimizerService::listen(const QHostAddress& address, quint16 port, const QSslConfiguration& ssl)
{
    return m_store->isValid() && m_server->listen(address, port, ssl);
}

quint16 OptimizerService::port() const
{
    return m_server->port();
}

QString OptimizerService::errorString() const
{
    return m_store->isValid() ? m_server->errorString() : QStringLiteral("cannot create the temporary store");
}

QString OptimizerService::storeFolder() const
{
    return m_store->folder();
}

bool OptimizerService::isKnownKey(const QString& key) const
{
    return !key.isEmpty() && m_config.apiKeys.contains(key);
}

void OptimizerService::handle(HttpConnection* connection, const HttpRequest& request)
{
    // Expired entries go before the request is looked at, not only on the sweep timer's next tick.
    m_store->expire();
    Reply reply;
    reply.connection = connection;
    reply.method = request.method;
    reply.path = request.path();
    reply.bytesIn = request.body.size();
    reply.base = baseFor(request, port());

    if (reply.path == kUploadPath || reply.path == kPollPath) {
        if (request.method != "POST")
            return sendFailure(reply, 405, QStringLiteral("Use POST for this address."));
        if (reply.path == kUploadPath)
            return handleUpload(reply, request);
        return handlePoll(reply, request);
    }
    if (reply.path.startsWith(kFilesPrefix)) {
        if (request.method != "GET")
            return sendFailure(reply, 405, QStringLiteral("Use GET for this address."));
        return handleDownload(reply, reply.path);
    }
    sendFailure(reply, 404, QStringLiteral("There is nothing at this address."));
}

namespace {

// The whole form at once, as the connection hands the body over.
struct WholeForm : MultipartParser::Receiver
{
    RequestValidator::Form form;
    std::optional<RequestValidator::Result> refused;
    QByteArray file;

    bool field(const MultipartPart& part, std::string_view value) override
    {
        refused = RequestValidator::addField(form, part, value);
        return !refused;
    }
    bool fileBegin(const MultipartPart& part) override
    {
        refused = RequestValidator::addFile(form, part);
        return !refused;
    }
    bool fileData(std::string_view piece) override
    {
        file.append(piece.data(), qsizetype(piece.size()));
        return true;
    }
    bool fileEnd() override { return true; }
};

} // namespace

void OptimizerService::handleUpload(const Reply& reply, const HttpRequest& request)
{
    MultipartParser::Limits limits;
    limits.maxFileBytes = static_cast<std::size_t>(m_config.maxUploadBytes);
    limits.maxBodyBytes = static_cast<std::size_t>(m_config.maxUploadBytes + kFormOverheadBytes);
    WholeForm whole;
    MultipartParser parser(limits, whole);
    const QByteArray contentType = request.header("content-type");
    if (!parser.begin(std::string_view(contentType.constData(), std::size_t(contentType.size()))) ||
        !parser.feed(std::string_view(request.body.constData(), std::size_t(request.body.size()))) ||
        !parser.finish()) {
        if (whole.refused)
            return sendFailure(reply, whole.refused->code, whole.refused->message);
        if (parser.error() == MultipartParser::Error::FileTooLarge ||
            parser.error() == MultipartParser::Error::BodyTooLarge)
            return sendFailure(
                reply, 413,
                QStringLiteral("The file is larger than the limit of %1 MB.").arg(megabytes(m_config.maxUploadBytes)));
        return sendFailure(reply, 400, QString::fromStdString(parser.errorMessage()));
    }

    RequestValidator::Result validated = RequestValidator::fromForm(whole.form, whole.file.size());
    if (!validated.request)
        return sendFailure(reply, validated.code, validated.message);
    const OptimizeRequest& optimize = *validated.request;
    if (!isKnownKey(optimize.apiKey))
        return sendFailure(reply, 401, QStringLiteral("Invalid API key."));
    if (optimize.removeBackground)
        return sendFailure(reply, 501, QStringLiteral("Background removal is not available on this server."));

    const QString token = m_store->put(whole.file, "application/octet-stream");
    if (token.isEmpty())
        return sendFailure(reply, 503, QStringLiteral("The server could not store the upload. Try again later."));
    Upload upload;
    upload.apiKey = optimize.apiKey;
    upload.originalToken = token;
    upload.originalExtension = safeExtension(optimize.fileName);
    upload.originalSize = whole.file.size();
    upload.message = pendingMessage();
    Upload& stored = m_uploads.insert(token, upload).value();
    startProcessing(token, whole.file, optimize);
    answerWhenReady(stored, reply, optimize.waitSeconds);
}

void OptimizerService::handlePoll(const Reply& reply, const HttpRequest& request)
{
    const RequestValidator::Result validated = RequestValidator::fromPollJson(request.body);
    if (!validated.request)
        return sendFailure(reply, validated.code, validated.message);
    const OptimizeRequest& poll = *validated.request;
    if (!isKnownKey(poll.apiKey))
        return sendFailure(reply, 401, QStringLiteral("Invalid API key."));
    if (poll.removeBackground)
        return sendFailure(reply, 501, QStringLiteral("Background removal is not available on this server."));

    // The token is the first path segment after the files prefix, with or without an extension.
    const QUrl url(poll.originalUrl, QUrl::StrictMode);
    QString token = url.path();
    token = token.startsWith(QLatin1String(kFilesPrefix)) ? token.mid(int(qstrlen(kFilesPrefix))) : QString();
    token = token.section(QLatin1Char('.'), 0, 0);
    const auto it = m_uploads.find(token);
    // An upload made with another key is as unknown as one that never existed.
    if (!url.isValid() || !ResultStore::isToken(token) || it == m_uploads.end() || it->apiKey != poll.apiKey)
        return sendFailure(reply, 404, QStringLiteral("This image is not known here or has expired. Upload it again."));
    answerWhenReady(*it, reply, poll.waitSeconds);
}

void OptimizerService::handleDownload(const Reply& reply, const QByteArray& path)
{
    const QString name = QString::fromLatin1(path.mid(qstrlen(kFilesPrefix)));
    const QString token = name.section(QLatin1Char('.'), 0, 0);
    const std::optional<ResultStore::File> file = ResultStore::isToken(token) ? m_store->get(token) : std::nullopt;
    if (!file)
        return sendFailure(reply, 404, QStringLiteral("This file is not known here or has expired."));
    send(reply, 200, file->mimeType, file->data);
}

void OptimizerService::startProcessing(const QString& originalToken, const QByteArray& data,
                                       const OptimizeRequest& request)
{
    ImageProcessor::Settings settings;
    settings.maxPixels = m_config.maxPixels;
    settings.passthrough = m_config.passthrough;
    const OptimizeRequest job = request;
    auto* watcher = new QFutureWatcher<ImageProcessor::Result>(this);
    connect(watcher, &QFutureWatcher<ImageProcessor::Result>::finished, this, [this, watcher, originalToken, data] {
        const ImageProcessor::Result result = watcher->result();
        watcher->deleteLater();
        if (m_config.delayMs > 0) {
            QTimer::singleShot(m_config.delayMs, this,
                               [this, originalToken, result, data] { finishProcessing(originalToken, data, result); });
        } else {
            finishProcessing(originalToken, data, result);
        }
    });
    const QString path = m_store->folder() + QLatin1Char('/') + originalToken;
    watcher->setFuture(
        QtConcurrent::run(&m_pool, [path, job, settings] { return ImageProcessor::process(path, job, settings); }));
}

void OptimizerService::finishProcessing(const QString& originalToken, const QByteArray& original,
                                        const ImageProcessor::Result& result)
{
    const auto it = m_uploads.find(originalToken);
    if (it == m_uploads.end())
        return; // expired while it was being processed
    Upload& upload = *it;
    upload.done = true;
    upload.code = result.code();
    upload.message = result.message;
    if (!result.originalExtension.isEmpty())
        upload.originalExtension = result.originalExtension;
    for (const ImageProcessor::Output& output : result.outputs) {
        const QByteArray& data = output.isOriginal ? original : output.data;
        const QString token = m_store->put(data, output.mimeType);
        if (token.isEmpty()) {
            upload.code = 503;
            upload.message = QStringLiteral("The server could not store the results. Try again later.");
            upload.results.clear();
            break;
        }
        upload.results.append({output.kind, token, output.extension, data.size()});
    }
    const QList<Waiter> waiters = std::exchange(upload.waiters, {});
    for (const Waiter& waiter : waiters) {
        delete waiter.deadline;
        answerUpload(upload, waiter.reply);
    }
}

void OptimizerService::answerWhenReady(Upload& upload, const Reply& reply, int waitSeconds)
{
    waitSeconds = std::min(waitSeconds, m_config.maxWaitSeconds);
    if (upload.done || waitSeconds <= 0)
        return answerUpload(upload, reply);
    auto* deadline = new QTimer(this);
    deadline->setSingleShot(true);
    const QString token = upload.originalToken;
    connect(deadline, &QTimer::timeout, this, [this, token, deadline] {
        const auto it = m_uploads.find(token);
        if (it == m_uploads.end())
            return;
        for (qsizetype i = 0; i < it->waiters.size(); ++i) {
            if (it->waiters[i].deadline == deadline) {
                const Reply reply = it->waiters.takeAt(i).reply;
                deadline->deleteLater();
                answerUpload(*it, reply);
                return;
            }
        }
    });
    upload.waiters.append({reply, deadline});
    deadline->start(waitSeconds * 1000);
}

QString OptimizerService::originalUrl(const Upload& upload, const QString& base) const
{
    QString url = base + QLatin1String(kFilesPrefix) + upload.originalToken;
    if (!upload.originalExtension.isEmpty())
        url += QLatin1Char('.') + upload.originalExtension;
    return url;
}

void OptimizerService::answerUpload(const Upload& upload, const Reply& reply)
{
    QJsonObject record;
    record.insert(QStringLiteral("OriginalURL"), originalUrl(upload, reply.base));
    record.insert(QStringLiteral("OriginalSize"), upload.originalSize);
    const int code = upload.done ? upload.code : 1;
    record.insert(QStringLiteral("Status"),
                  QJsonObject{{QStringLiteral("Code"), code}, {QStringLiteral("Message"), upload.message}});
    if (upload.done && code == 2) {
        for (const Upload::Result& result : upload.results) {
            const QString name = ImageProcessor::kindName(result.kind);
            record.insert(name + QStringLiteral("URL"), reply.base + QLatin1String(kFilesPrefix) + result.token +
                                                            QLatin1Char('.') + result.extension);
            record.insert(name + QStringLiteral("Size"), result.size);
        }
    }
    sendRecord(reply, code >= 400 ? code : 200, record);
}

void OptimizerService::sendRecord(const Reply& reply, int httpStatus, const QJsonObject& record)
{
    const QByteArray body = QJsonDocument(QJsonArray{record}).toJson(QJsonDocument::Compact);
    const int code = record.value(QStringLiteral("Status")).toObject().value(QStringLiteral("Code")).toInt();
    send(reply, httpStatus, "application/json", body, QStringLiteral("code=%1").arg(code));
}

void OptimizerService::sendFailure(const Reply& reply, int code, const QString& message)
{
    sendRecord(reply, code,
               QJsonObject{{QStringLiteral("Status"),
                            QJsonObject{{QStringLiteral("Code"), code}, {QStringLiteral("Message"), message}}}});
}

void OptimizerService::send(const Reply& reply, int httpStatus, const QByteArray& contentType, const QByteArray& body,
                            const QString& note)
{
    if (!reply.connection)
        return; // the client went away while waiting
    const qint64 elapsed = reply.connection->elapsedMs();
    Q_EMIT logLine(QStringLiteral("%1 %2 %3 %4 %5 %6 in=%7B out=%8B %9ms")
                       .arg(QDateTime::currentDateTimeUtc().toString(Qt::ISODate), reply.connection->peerAddress(),
                            QString::fromLatin1(reply.method), loggedPath(reply.path))
                       .arg(httpStatus)
                       .arg(note.isEmpty() ? QStringLiteral("-") : note)
                       .arg(reply.bytesIn)
                       .arg(body.size())
                       .arg(elapsed));
    reply.connection->respond(httpStatus, contentType, body);
}

void OptimizerService::forgetOriginal(const QString& token)
{
    const auto it = m_uploads.find(token);
    if (it == m_uploads.end())
        return;
    const QList<Waiter> waiters = std::exchange(it->waiters, {});
    m_uploads.erase(it);
    for (const Waiter& waiter : waiters) {
        delete waiter.deadline;
        sendFailure(waiter.reply, 404, QStringLiteral("This image is not known here or has expired. Upload it again."));
    }
}
