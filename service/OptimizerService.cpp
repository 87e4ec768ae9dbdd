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
    limits.maxRequestsPerPeer = std::min(config.maxConnectionsPerPeer, config.maxConnections);
    limits.headerTimeout = std::chrono::milliseconds(config.headerTimeoutMs);
    limits.idleTimeout = std::chrono::milliseconds(config.idleTimeoutMs);
    limits.bodyTimeout = std::chrono::milliseconds(config.bodyTimeoutMs);
    return limits;
}

ImageAdmission::Limits admissionLimits(const ServiceConfig& config)
{
    ImageAdmission::Limits limits;
    limits.budgetBytes = config.memoryBudgetBytes > 0 ? config.memoryBudgetBytes : ImageAdmission::defaultBudget();
    limits.workers = config.workers;
    limits.maxWait = std::chrono::milliseconds(config.queueTimeoutMs);
    return limits;
}

} // namespace

OptimizerService::OptimizerService(const ServiceConfig& config, QObject* parent)
    : QObject(parent)
    , m_config(config)
    , m_store(std::make_unique<ResultStore>(std::chrono::seconds(config.ttlSeconds), config.storeQuotaBytes))
    , m_server(std::make_unique<HttpsServer>(static_cast<RequestHandler&>(*this), serverLimits(config)))
    , m_sweep(std::make_unique<asio::steady_timer>(m_server->context()))
    , m_admission(std::make_unique<ImageAdmission>(m_server->context(), admissionLimits(config)))
{
    m_headers.setMaxThreadCount(1);
    m_pool.setMaxThreadCount(m_admission->threads());
}

OptimizerService::~OptimizerService()
{
    // No handler runs once the network thread has stopped; work not yet started is dropped and running
    // codecs finish, their results never delivered.
    m_server->stop();
    for (QThreadPool* pool : {&m_headers, &m_pool}) {
        pool->clear();
        pool->waitForDone();
    }
    // What holds connections or timers goes before the server, whose pending work ends the rest; the
    // store goes last, with its folder.
    m_uploads.clear();
    m_admission.reset();
    m_sweep.reset();
    m_server.reset();
}

bool OptimizerService::listen(const QString& address, quint16 port, const QByteArray& certificateChainPem,
                              const QByteArray& privateKeyPem)
{
    if (!m_store->isValid() || !m_server->listen(address, port, certificateChainPem, privateKeyPem))
        return false;
    const QString host = address.contains(QLatin1Char(':')) ? QLatin1Char('[') + address + QLatin1Char(']') : address;
    m_base = QStringLiteral("https://%1:%2").arg(host).arg(m_server->port());
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
    const Clock::time_point now = Clock::now();
    while (!m_refused.empty() && m_refused.front().first <= now) {
        const QString token = std::move(m_refused.front().second);
        m_refused.pop_front();
        forgetOriginal(token);
    }
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
    const Reply reply{responder, request.method, request.path()};
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

ImageProcessor::Settings OptimizerService::processorSettings() const
{
    ImageProcessor::Settings settings;
    settings.maxPixels = m_config.maxPixels;
    settings.passthrough = m_config.passthrough;
    return settings;
}

// The header is read off the network thread: some formats are read to their end to count their frames.
void OptimizerService::startProcessing(const QString& originalToken, const OptimizeRequest& request)
{
    const QString path = m_store->get(originalToken)->path;
    if (m_config.passthrough) // nothing is decoded, so nothing to estimate
        return queueProcessing(originalToken, path, request, std::nullopt);
    m_headers.start([this, originalToken, path, request] {
        const std::optional<ImageProcessor::Header> header = ImageProcessor::readHeader(path);
        asio::post(m_server->context(), [this, originalToken, path, request, header] {
            queueProcessing(originalToken, path, request, header);
        });
    });
}

void OptimizerService::queueProcessing(const QString& originalToken, const QString& path,
                                       const OptimizeRequest& request,
                                       const std::optional<ImageProcessor::Header>& header)
{
    if (!m_uploads.contains(originalToken))
        return; // expired meanwhile
    const qint64 cost = ImageAdmission::cost(header, request, processorSettings());
    const std::optional<ImageAdmission::Ticket> ticket = m_admission->submit(
        cost,
        [this, originalToken, path, request](ImageAdmission::Ticket admitted) {
            process(admitted, originalToken, path, request);
        },
        [this, originalToken] {
            refuseProcessing(originalToken, 503,
                             QStringLiteral("The server was too busy to process the image in time. Try again later."));
        });
    if (!ticket) {
        return refuseProcessing(originalToken, 413,
                                QStringLiteral("The image is too large to process: %1×%2 pixels need about %3 MB of "
                                               "memory, the limit is %4 MB.")
                                    .arg(header->size.width())
                                    .arg(header->size.height())
                                    .arg(megabytes(cost), megabytes(m_admission->largestCost())));
    }
    const auto it = m_uploads.find(originalToken);
    if (it != m_uploads.end())
        it->ticket = *ticket;
}

void OptimizerService::process(ImageAdmission::Ticket ticket, const QString& originalToken, const QString& path,
                               const OptimizeRequest& request)
{
    m_pool.start([this, ticket, originalToken, path, request, settings = processorSettings()] {
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
        asio::post(m_server->context(), [this, ticket, originalToken, processed = std::move(processed)] {
            m_admission->finished(ticket);
            if (m_config.delayMs <= 0)
                return finishProcessing(originalToken, processed);
            // The simulated processing time is a timer, not a thread, and holds no share of the budget.
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
    settle(upload);
}

void OptimizerService::refuseProcessing(const QString& originalToken, int code, const QString& message)
{
    const auto it = m_uploads.find(originalToken);
    if (it == m_uploads.end())
        return;
    it->done = true;
    it->code = code;
    it->message = message;
    settle(*it);
}

// The upload's answer is final: a refused upload's original goes at once rather than hold room in the
// store for nothing, though the answer stays for whoever asks within the time-to-live; and whoever
// waits is answered.
void OptimizerService::settle(Upload& upload)
{
    if (upload.code >= 400 && m_store->contains(upload.originalToken)) {
        m_store->remove(upload.originalToken);
        m_refused.emplace_back(Clock::now() + std::chrono::seconds(m_config.ttlSeconds), upload.originalToken);
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

QString OptimizerService::originalUrl(const Upload& upload) const
{
    QString url = m_base + QLatin1String(kFilesPrefix) + upload.originalToken;
    if (!upload.originalExtension.isEmpty())
        url += QLatin1Char('.') + upload.originalExtension;
    return url;
}

void OptimizerService::answerUpload(const Upload& upload, const Reply& reply)
{
    QJsonObject record;
    record.insert(QStringLiteral("OriginalURL"), originalUrl(upload));
    record.insert(QStringLiteral("OriginalSize"), upload.originalSize);
    const int code = upload.done ? upload.code : 1;
    record.insert(QStringLiteral("Status"),
                  QJsonObject{{QStringLiteral("Code"), code}, {QStringLiteral("Message"), upload.message}});
    if (upload.done && code == 2) {
        for (const Upload::Result& result : upload.results) {
            const QString name = ImageProcessor::kindName(result.kind);
            record.insert(name + QStringLiteral("URL"),
                          m_base + QLatin1String(kFilesPrefix) + result.token + QLatin1Char('.') + result.extension);
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
    if (it->ticket)
        m_admission->withdraw(*it->ticket);
    const QList<Waiter> waiters = std::exchange(it->waiters, {});
    m_uploads.erase(it);
    for (const Waiter& waiter : waiters) {
        waiter.deadline->cancel();
        sendFailure(waiter.reply, 404, QStringLiteral("This image is not known here or has expired. Upload it again."));
    }
}
