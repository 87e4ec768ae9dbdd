// The protocol of the image-optimization service: the upload and poll endpoints, the downloads of
// originals and results, the key check, the "wait" handling and the store with its time-to-live.
// Lives on the main thread; codec work runs on its own worker pool and never blocks a request.
#pragma once

#include "HttpRequest.h"
#include "ImageProcessor.h"
#include "ServiceConfig.h"

#include <QHash>
#include <QHostAddress>
#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QSslConfiguration>
#include <QThreadPool>

class HttpConnection;
class HttpsServer;
class ResultStore;
class QTimer;

class OptimizerService : public QObject
{
    Q_OBJECT

public:
    explicit OptimizerService(const ServiceConfig& config, QObject* parent = nullptr);
    ~OptimizerService() override;

    bool listen(const QHostAddress& address, quint16 port, const QSslConfiguration& ssl);
    quint16 port() const;
    QString errorString() const;
    QString storeFolder() const;

    static constexpr const char* kUploadPath = "/v2/post-reducer.php";
    static constexpr const char* kPollPath = "/v2/reducer.php";
    static constexpr const char* kFilesPrefix = "/files/";

Q_SIGNALS:
    // One line per request: time, peer, method, path, status, sizes, duration. Never the key.
    void logLine(const QString& line);

private:
    struct Reply
    {
        QPointer<HttpConnection> connection;
        QByteArray method;
        QByteArray path;
        qint64 bytesIn = 0;
        QString base; // scheme and authority for the addresses in the answer
    };
    struct Waiter
    {
        Reply reply;
        QTimer* deadline = nullptr;
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
    };

    void handle(HttpConnection* connection, const HttpRequest& request);
    void handleUpload(const Reply& reply, const HttpRequest& request);
    void handlePoll(const Reply& reply, const HttpRequest& request);
    void handleDownload(const Reply& reply, const QByteArray& path);
    void startProcessing(const QString& originalToken, const QByteArray& data, const OptimizeRequest& request);
    void finishProcessing(const QString& originalToken, const QByteArray& original,
                          const ImageProcessor::Result& result);
    void answerWhenReady(Upload& upload, const Reply& reply, int waitSeconds);
    void answerUpload(const Upload& upload, const Reply& reply);
    void sendRecord(const Reply& reply, int httpStatus, const QJsonObject& record);
    void sendFailure(const Reply& reply, int code, const QString& message);
    void send(const Reply& reply, int httpStatus, const QByteArray& contentType, const QByteArray& body,
              const QString& note = {});
    void forgetOriginal(const QString& token);
    bool isKnownKey(const QString& key) const;
    QString originalUrl(const Upload& upload, const QString& base) const;

    ServiceConfig m_config;
    HttpsServer* m_server;
    ResultStore* m_store;
    QThreadPool m_pool;
    QHash<QString, Upload> m_uploads; // by original token
};
