// The protocol of the image-optimization service: the upload and poll endpoints, the downloads of
// originals and results, the key check, the "wait" handling and the store with its time-to-live and
// quota. Its state lives on the HTTPS server's network thread, where every request, timer and codec
// result is handled; waiting (for a result, for --delay-ms) is a timer there and holds no thread. Codec
// work runs on a worker pool of its own and never blocks a request: each upload's header is read on a
// thread of its own first, and the image waits for its share of the memory budget (ImageAdmission).
// A refused upload's original goes at once; its answer stays until the time-to-live. Every address
// handed out names the service as it listens, whatever the request's Host header says.
#pragma once

#include "service/HttpReply.h"
#include "service/ImageAdmission.h"
#include "service/ImageProcessor.h"
#include "service/RequestHandler.h"
#include "service/Responder.h"
#include "service/ServiceConfig.h"
#include "service/UploadExchange.h"

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <boost/asio/steady_timer.hpp>
#include <chrono>
#include <deque>
#include <memory>
#include <optional>
#include <utility>

class HttpsServer;
class ResultStore;

class OptimizerService : public QObject, private RequestHandler
{
    Q_OBJECT

public:
    explicit OptimizerService(const ServiceConfig& config, QObject* parent = nullptr);
    ~OptimizerService() override;

    // Listens on `address` (port 0 picks a free port) with the PEM certificate chain and key given.
    bool listen(const QString& address, quint16 port, const QByteArray& certificateChainPem,
                const QByteArray& privateKeyPem);
    quint16 port() const;
    QString errorString() const;
    QString storeFolder() const;

    static constexpr const char* kUploadPath = "/v2/post-reducer.php";
    static constexpr const char* kPollPath = "/v2/reducer.php";
    static constexpr const char* kFilesPrefix = "/files/";

Q_SIGNALS:
    // One line per request: time, peer, method, path, status, sizes, duration. Never the key. Emitted
    // on the network thread.
    void logLine(const QString& line);

private:
    struct Reply
    {
        Responder responder;
        QByteArray method;
        QByteArray path;
    };
    struct Waiter
    {
        Reply reply;
        std::shared_ptr<boost::asio::steady_timer> deadline;
    };
    struct Upload
    {
        QString apiKey;
        QString originalToken;
        QString originalExtension;
        qint64 originalSize = 0;
        bool done = false;
        int code = 1;
        QString message;
        struct Result
        {
            ImageProcessor::Kind kind;
            QString token;
            QString extension;
            qint64 size;
        };
        QList<Result> results;
        QList<Waiter> waiters;
        std::optional<ImageAdmission::Ticket> ticket; // once its header is read
    };
    // What a worker hands back: the codec's result, with each output written to a file of the store's
    // folder (none for an output that is the upload itself, an empty path where writing failed).
    struct Processed
    {
        ImageProcessor::Result result;
        QStringList files;
        QList<qint64> sizes;
    };

    std::unique_ptr<HttpExchange> open(const HttpRequest& request, const Responder& responder) override;
    HttpReply refusal(const QString& peer, int status, const QString& message) override;

    std::unique_ptr<HttpExchange> openUpload(const Reply& reply, const HttpRequest& request);
    void route(const Reply& reply, const QByteArray& body);
    std::optional<UploadExchange::Refusal> admit(const OptimizeRequest& request) const;
    void acceptUpload(const Reply& reply, const OptimizeRequest& request, const QString& token, qint64 size);
    void handlePoll(const Reply& reply, const QByteArray& body);
    void handleDownload(const Reply& reply);
    void startProcessing(const QString& originalToken, const OptimizeRequest& request);
    void queueProcessing(const QString& originalToken, const QString& path, const OptimizeRequest& request,
                         const std::optional<ImageProcessor::Header>& header);
    void process(ImageAdmission::Ticket ticket, const QString& originalToken, const QString& path,
                 const OptimizeRequest& request);
    void finishProcessing(const QString& originalToken, const Processed& processed);
    void refuseProcessing(const QString& originalToken, int code, const QString& message);
    void settle(Upload& upload);
    ImageProcessor::Settings processorSettings() const;
    void answerWhenReady(Upload& upload, const Reply& reply, int waitSeconds);
    void answerUpload(const Upload& upload, const Reply& reply);
    void sendRecord(const Reply& reply, int httpStatus, const QJsonObject& record);
    void sendFailure(const Reply& reply, int code, const QString& message);
    void send(const Reply& reply, HttpReply answer, const QString& note, qint64 outBytes);
    void sweep();
    void expire();
    void forgetOriginal(const QString& token);
    bool isKnownKey(const QString& key) const;
    QString originalUrl(const Upload& upload) const;

    using Clock = std::chrono::steady_clock;

    ServiceConfig m_config;
    std::unique_ptr<ResultStore> m_store;
    std::unique_ptr<HttpsServer> m_server;
    std::unique_ptr<boost::asio::steady_timer> m_sweep;
    std::unique_ptr<ImageAdmission> m_admission;
    QThreadPool m_headers; // reads uploads' headers, one at a time
    QThreadPool m_pool;
    QHash<QString, Upload> m_uploads; // by original token
    // Refused uploads, whose originals have gone already, in the order their answers expire.
    std::deque<std::pair<Clock::time_point, QString>> m_refused;
    QString m_base; // scheme and authority of every address handed out
};
