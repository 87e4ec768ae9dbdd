#include "service/OptimizerService.h"

#include "service/BufferedExchange.h"
#include "service/HttpRequest.h"
#include "service/HttpsServer.h"
#include "service/RequestValidator.h"
#include "service/ResultStore.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QUrl>

#include <boost/asio/post.hpp>

namespace asio = boost::asio;

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
    const QString host = QString::fromLatin1(request.host);
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

QString now()
{
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
}

QByteArray recordBody(const QJsonObject& record)
{
    return QJsonDocument(QJsonArray{record}).toJson(QJsonDocument::Compact);
}

QJsonObject failureRecord(int code, const QString& message)
{
    return QJsonObject{
        {QStringLiteral("Status"), QJsonObject{{QStringLiteral("Code"), code}, {QStringLiteral("Message"), message}}}};
}

HttpsServer::Limits serverLimits(const ServiceConfig& config)
{
    HttpsServer::Limits limits;
    limits.maxRequests = config.maxConnections;
    limits.headerTimeout = std::chrono::milliseconds(config.headerTimeoutMs);
    limits.idleTimeout = std::chrono::milliseconds(config.idleTimeoutMs);
    return limits;
}

} // namespace

OptimizerService::OptimizerService(const ServiceConfig& config, QObject* parent)
    : QObject(parent)
    , m_config(config)
    , m_store(std::make_unique<ResultStore>(std::chrono::seconds(config.ttlSeconds), config.storeQuotaBytes))
    , m_server(std::make_unique<HttpsServer>(static_cast<RequestHandler&>(*this), serverLimits(config)))
    , m_sweep(std::make_unique<asio::steady_timer>(m_server->context()))
{
    m_pool.setMaxThreadCount(std::max(1, config.workers));
}

OptimizerService::~OptimizerService()
{
    // No handler runs once the network thread has stopped; work not yet started is dropped and running
    // codecs finish, their results never delivered.
    m_server->stop();
    m_pool.clear();
    m_pool.waitForDone();
    // What holds connections or timers goes before the server, whose pending work ends the rest; the
    // store goes last, with its folder.
    m_uploads.clear();
    m_sweep.reset();
    m_server.reset();
}

bool OptimizerService::listen(const QString& address, quint16 port, const QByteArray& certificateChainPem,
                              const QByteArray& privateKeyPem)
{
    if (!m_store->isValid() || !m_server->listen(address, port, certificateChainPem, privateKeyPem))
        return false;
    asio::post(m_server->context(), [this] { sweep(); });
    return true;
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

// Sweeps often enough that nothing lives much past its time, never busier than once a second.
void OptimizerService::sweep()
{
    expire();
    m_sweep->expires_after(std::chrono::milliseconds(std::clamp<qint64>(m_config.ttlSeconds * 1000 / 4, 1000, 60'000)));
    m_sweep->async_wait([this](boost::system::error_code ec) {
        if (!ec)
            sweep();
    });
}

void OptimizerService::expire()
{
    for (const QString& token : m_store->expire())
        forgetOriginal(token);
}

HttpReply OptimizerService::refusal(const QString& peer, int status, const QString& message)
{
    Q_EMIT logLine(QStringLiteral("%1 %2 - - %3 (%4)").arg(now(), peer).arg(status).arg(message));
    return HttpReply{status, "application/json", recordBody(failureRecord(status, message)), {}};
}

std::unique_ptr<HttpExchange> OptimizerService::open(const HttpRequest& request, const Responder& responder)
{
    // Expired entries go before the request is looked at, not only on the sweep's next round.
    expire();
    const Reply reply{responder, request.method, request.path(), baseFor(request, port())};
    if (reply.path == kUploadPath && request.method == "POST")
        return openUpload(reply, request);
    const qint64 limit = reply.path == kPollPath && request.method == "POST" ? RequestValidator::kMaxPollBytes : 0;
    if (request.contentLength > limit) {
        sendFailure(reply, 413,
                    limit > 0 ? QStringLiteral("The poll request is too large.")
                              : QStringLiteral("The request is too large."));
        return nullptr;
    }
    return std::make_unique<BufferedExchange>([this, reply](const QByteArray& body) { route(reply, body); });
}

std::unique_ptr<HttpExchange> OptimizerService::openUpload(const Reply& reply, const HttpRequest& request)
{
    const QString tooLarge =
        QStringLiteral("The file is larger than the limit of %1 MB.").arg(megabytes(m_config.maxUploadBytes));
    if (request.contentLength > m_config.maxUploadBytes + kFormOverheadBytes) {
        sendFailure(reply, 413, tooLarge);
        return nullptr;
    }
    MultipartParser::Limits limits;
    limits.maxFileBytes = std::size_t(m_config.maxUploadBytes);
    limits.maxBodyBytes = std::size_t(m_config.maxUploadBytes + kFormOverheadBytes);
    UploadExchange::Hooks hooks;
    hooks.admit = [this](const OptimizeRequest& optimize) { return admit(optimize); };
    hooks.refuse = [this, reply](const UploadExchange::Refusal& refusal) {
        sendFailure(reply, refusal.code, refusal.message);
    };
    hooks.accept = [this, reply](const OptimizeRequest& optimize, const QString& token, qint64 size) {
        acceptUpload(reply, optimize, token, size);
    };
    auto exchange = std::make_unique<UploadExchange>(*m_store, limits, tooLarge, std::move(hooks));
    if (!exchange->begin(std::string_view(request.contentType.constData(), std::size_t(request.contentType.size())),
                         request.contentLength))
        return nullptr;
    return exchange;
}

std::optional<UploadExchange::Refusal> OptimizerService::admit(const OptimizeRequest& request) const
{
    if (!isKnownKey(request.apiKey))
        return UploadExchange::Refusal{401, QStringLiteral("Invalid API key.")};
    if (request.removeBackground)
        return UploadExchange::Refusal{501, QStringLiteral("Background removal is not available on this server.")};
    return std::nullopt;
}

void OptimizerService::route(const Reply& reply, const QByteArray& body)
{
    if (reply.path == kUploadPath || reply.path == kPollPath) {
        if (reply.method != "POST")
            return sendFailure(reply, 405, QStringLiteral("Use POST for this address."));
        return handlePoll(reply, body);
    }
    if (reply.path.startsWith(kFilesPrefix)) {
        if (reply.method != "GET")
            return sendFailure(reply, 405, QStringLiteral("Use GET for this address."));
        return handleDownload(reply);
    }
    sendFailure(reply, 404, QStringLiteral("There is nothing at this address."));
}

void OptimizerService::acceptUpload(const Reply& reply, const OptimizeRequest& request, const QString& token,
                                    qint64 size)
{
    Upload upload;
    upload.apiKey = request.apiKey;
    upload.originalToken = token;
    upload.originalExtension = safeExtension(request.fileName);
    upload.originalSize = size;
    upload.message = pendingMessage();
    Upload& stored = m_uploads.insert(token, upload).value();
    startProcessing(token, request);
    answerWhenReady(stored, reply, request.waitSeconds);
}

void OptimizerService::handlePoll(const Reply& reply, const QByteArray& body)
{
    const RequestValidator::Result validated = RequestValidator::fromPollJson(body);
    if (!validated.request)
        return sendFailure(reply, validated.code, validated.message);
    const OptimizeRequest& poll = *validated.request;
    if (const std::optional<UploadExchange::Refusal> refusal = admit(poll))
        return sendFailure(reply, refusal->code, refusal->message);

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

void OptimizerService::handleDownload(const Reply& reply)
{
    const QString name = QString::fromLatin1(reply.path.mid(qstrlen(kFilesPrefix)));
    const QString token = name.section(QLatin1Char('.'), 0, 0);
    const std::optional<ResultStore::File> file = ResultStore::isToken(token) ? m_store->get(token) : std::nullopt;
    if (!file)
        return sendFailure(reply, 404, QStringLiteral("This file is not known here or has expired."));
    // Streamed from the store's file as it is sent, never read whole.
    send(reply, HttpReply{200, file->mimeType, {}, file->path}, {}, file->size);
}

void OptimizerService::startProcessing(const QString& originalToken, const OptimizeRequest& request)
{
    ImageProcessor::Settings settings;
    settings.maxPixels = m_config.maxPixels;
    settings.passthrough = m_config.passthrough;
    const QString path = m_store->get(originalToken)->path;
    m_pool.start([this, originalToken, path, request, settings] {
        Processed processed;
        processed.result = ImageProcessor::process(path, request, settings);
        for (ImageProcessor::Output& output : processed.result.outputs) {
            QString file;
            if (!output.isOriginal) {
                file = m_store->newFilePath();
                QFile out(file);
                if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly) ||
                    out.write(output.data) != output.data.size() || !out.flush()) {
                    QFile::remove(file);
                    file = QString();
                }
            }
            processed.files << file;
            processed.sizes << output.data.size();
            output.data.clear(); // in the file now; the network thread needs none of it
        }
        asio::post(m_server->context(), [this, originalToken, processed = std::move(processed)] {
            if (m_config.delayMs <= 0)
                return finishProcessing(originalToken, processed);
            // The simulated processing time is a timer, not a thread.
            auto delay =
                std::make_shared<asio::steady_timer>(m_server->context(), std::chrono::milliseconds(m_config.delayMs));
            delay->async_wait([this, delay, originalToken, processed](boost::system::error_code ec) {
                if (!ec)
                    finishProcessing(originalToken, processed);
            });
        });
    });
}

void OptimizerService::finishProcessing(const QString& originalToken, const Processed& processed)
{
    const auto it = m_uploads.find(originalToken);
    if (it == m_uploads.end()) {
        // Expired while it was being processed.
        for (const QString& file : processed.files)
            QFile::remove(file);
        return;
    }
    Upload& upload = *it;
    const ImageProcessor::Result& result = processed.result;
    upload.done = true;
    upload.code = result.code();
    upload.message = result.message;
    if (!result.originalExtension.isEmpty())
        upload.originalExtension = result.originalExtension;
    for (qsizetype i = 0; i < result.outputs.size(); ++i) {
        const ImageProcessor::Output& output = result.outputs[i];
        const QString token = output.isOriginal              ? m_store->share(upload.originalToken, output.mimeType)
                              : processed.files[i].isEmpty() ? QString()
                                                             : m_store->adopt(processed.files[i], output.mimeType);
        if (token.isEmpty()) {
            upload.code = 503;
            upload.message = QStringLiteral("The server could not store the results. Try again later.");
            for (const Upload::Result& kept : std::as_const(upload.results))
                m_store->remove(kept.token);
            upload.results.clear();
            for (qsizetype j = i + 1; j < processed.files.size(); ++j)
                QFile::remove(processed.files[j]);
            break;
        }
        upload.results.append(
            {output.kind, token, output.extension, output.isOriginal ? upload.originalSize : processed.sizes[i]});
    }
    const QList<Waiter> waiters = std::exchange(upload.waiters, {});
    for (const Waiter& waiter : waiters) {
        waiter.deadline->cancel();
        answerUpload(upload, waiter.reply);
    }
}

void OptimizerService::answerWhenReady(Upload& upload, const Reply& reply, int waitSeconds)
{
    waitSeconds = std::min(waitSeconds, m_config.maxWaitSeconds);
    if (upload.done || waitSeconds <= 0)
        return answerUpload(upload, reply);
    auto deadline = std::make_shared<asio::steady_timer>(m_server->context(), std::chrono::seconds(waitSeconds));
    upload.waiters.append({reply, deadline});
    const QString token = upload.originalToken;
    deadline->async_wait([this, token, timer = deadline.get()](boost::system::error_code ec) {
        if (ec)
            return; // answered with the result before
        const auto it = m_uploads.find(token);
        if (it == m_uploads.end())
            return;
        for (qsizetype i = 0; i < it->waiters.size(); ++i) {
            if (it->waiters[i].deadline.get() == timer) {
                const Reply waiting = it->waiters.takeAt(i).reply;
                answerUpload(*it, waiting);
                return;
            }
        }
    });
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
    const QByteArray body = recordBody(record);
    const int code = record.value(QStringLiteral("Status")).toObject().value(QStringLiteral("Code")).toInt();
    send(reply, HttpReply{httpStatus, "application/json", body, {}}, QStringLiteral("code=%1").arg(code), body.size());
}

void OptimizerService::sendFailure(const Reply& reply, int code, const QString& message)
{
    sendRecord(reply, code, failureRecord(code, message));
}

void OptimizerService::send(const Reply& reply, HttpReply answer, const QString& note, qint64 outBytes)
{
    Q_EMIT logLine(QStringLiteral("%1 %2 %3 %4 %5 %6 in=%7B out=%8B %9ms")
                       .arg(now(), reply.responder.peer(), QString::fromLatin1(reply.method), loggedPath(reply.path))
                       .arg(answer.status)
                       .arg(note.isEmpty() ? QStringLiteral("-") : note)
                       .arg(reply.responder.bodyBytes())
                       .arg(outBytes)
                       .arg(reply.responder.elapsedMs()));
    reply.responder.send(std::move(answer));
}

void OptimizerService::forgetOriginal(const QString& token)
{
    const auto it = m_uploads.find(token);
    if (it == m_uploads.end())
        return;
    const QList<Waiter> waiters = std::exchange(it->waiters, {});
    m_uploads.erase(it);
    for (const Waiter& waiter : waiters) {
        waiter.deadline->cancel();
        sendFailure(waiter.reply, 404, QStringLiteral("This image is not known here or has expired. Upload it again."));
    }
}
