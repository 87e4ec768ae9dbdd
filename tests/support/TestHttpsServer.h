#pragma once

// A small HTTPS/1.1 server on the loopback interface, scripted per test: which reply each path gets,
// how late, whether the upload is read to the end, held or cut off, and whether the answer comes at
// all. It records every request it receives. It serves a certificate issued by a test CA that only
// the tests trust (caCertificates(), makeTransport()), or, for the "untrusted" case, a self-signed one
// that nobody trusts.
//
// It is a raw server rather than QHttpServer because the tests need to act in the middle of a
// request body: QHttpServer hands a request over only once it has read all of it.
//
//     TestHttpsServer server;
//     server.route("/v2/post-reducer.php", ScriptedReply::json(R"({"LossyURL":"…"})"));
//     TovalinClient client(server.baseUrl(), TestHttpsServer::makeTransport());
//     …
//     QCOMPARE(server.requests("/v2/post-reducer.php").size(), 1);

#include "tests/support/RecordedRequest.h"
#include "tests/support/ScriptedReply.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QUrl>

#include <chrono>
#include <functional>
#include <memory>
#include <utility>

class HttpTransport;
class QSslServer;
class QSslSocket;

class TestHttpsServer : public QObject
{
    Q_OBJECT

public:
    enum class Identity
    {
        trusted,   // issued for localhost and 127.0.0.1 by the test CA
        untrusted, // self-signed, trusted by nobody
    };
    using Handler = std::function<ScriptedReply(const RecordedRequest&)>;

    explicit TestHttpsServer(Identity identity = Identity::trusted, QObject* parent = nullptr);
    ~TestHttpsServer() override;

    bool isListening() const;
    quint16 port() const;
    // "https://127.0.0.1:<port>", no trailing slash.
    QUrl baseUrl() const;
    // baseUrl() with `path` (which starts with "/").
    QUrl url(const QString& path) const;

    // The test CA, to be trusted by the client side.
    static QList<QSslCertificate> caCertificates();
    // A transport that trusts the test CA (and nothing else), with a shortened idle timeout when asked.
    static std::shared_ptr<HttpTransport>
    makeTransport(std::chrono::milliseconds idleTimeout = std::chrono::seconds(60));

    // Requests to a path without a route go to the default route, or are answered 404 with an empty
    // body when there is none.
    void route(const QByteArray& path, Handler handler) { m_routes.insert(path, std::move(handler)); }
    void route(const QByteArray& path, ScriptedReply reply)
    {
        route(path, [reply = std::move(reply)](const RecordedRequest&) { return reply; });
    }
    void setDefaultRoute(Handler handler) { m_defaultRoute = std::move(handler); }
    // Once at least `bodyBytes` of a request body to `path` have arrived: close the connection (drop),
    // or stop reading so that the client's upload stands still and is never answered (hold).
    enum class Cut
    {
        drop,
        hold,
    };
    void cutUploadAfter(const QByteArray& path, qint64 bodyBytes, Cut cut) { m_cuts.insert(path, {bodyBytes, cut}); }

    // Every request in the order they began, with bodies as far as they arrived.
    QList<RecordedRequest> requests() const { return m_requests; }
    QList<RecordedRequest> requests(const QByteArray& path) const;
    int requestCount(const QByteArray& path) const { return static_cast<int>(requests(path).size()); }
    // Application bytes received over all connections (nothing before a completed handshake).
    qint64 bytesReceived() const { return m_bytesReceived; }
    // With keep-alive on, a connection stays open for the next request after each whole answer;
    // otherwise every answer closes its connection.
    void setKeepAlive(bool on) { m_keepAlive = on; }
    // Connections accepted so far.
    int connectionCount() const { return m_connectionCount; }

private:
    struct Connection
    {
        QByteArray buffer;
        qsizetype requestIndex = -1;
        qint64 contentLength = 0;
        bool headersDone = false;
        bool answered = false;
    };

    void onNewConnection();
    void onReadyRead(QSslSocket* socket);
    void onDisconnected(QSslSocket* socket);
    bool parseHeaders(Connection& connection);
    void answer(QSslSocket* socket, const RecordedRequest& request);
    void send(QSslSocket* socket, const ScriptedReply& reply);

    QSslServer* m_server;
    QHash<QByteArray, Handler> m_routes;
    Handler m_defaultRoute;
    QHash<QByteArray, std::pair<qint64, Cut>> m_cuts;
    QHash<QSslSocket*, Connection> m_connections;
    QList<RecordedRequest> m_requests;
    qint64 m_bytesReceived = 0;
    int m_connectionCount = 0;
    bool m_keepAlive = false;
};
