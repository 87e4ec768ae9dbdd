// The listening side of the service: accepts TLS connections on one address and port and runs each as
// an HttpSession, on a network thread of its own that never blocks: handshakes, reads, writes and
// deadlines are all asynchronous. It keeps the counts that bound the service: requests being served at
// once, past which a request is answered 503, and open connections, past which a new one is closed at
// once. Knows nothing about the protocol's endpoints.
#pragma once

#include <QByteArray>
#include <QString>

#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/ssl/context.hpp>
#include <boost/asio/steady_timer.hpp>
#include <chrono>
#include <optional>
#include <thread>
#include <unordered_set>

class HttpSession;
class RequestHandler;

class HttpsServer
{
public:
    struct Limits
    {
        int maxRequests = 128;                           // served at once
        std::chrono::milliseconds headerTimeout{10'000}; // the TLS handshake, then a request's head, each whole
        std::chrono::milliseconds idleTimeout{30'000};   // an open connection waiting for its next request
        std::chrono::milliseconds writeTimeout{60'000};  // a client that takes no more of an answer
        qint64 minBodyBytesPerSecond = 4096;             // on average, after a grace of headerTimeout

        // Handshaking, idle and busy connections alike.
        int maxConnections() const { return 4 * maxRequests; }
    };

    HttpsServer(RequestHandler& handler, const Limits& limits);
    ~HttpsServer();

    // Loads the certificate chain and its key, listens (port 0 picks a free port) and starts the
    // network thread.
    bool listen(const QString& address, quint16 port, const QByteArray& certificateChainPem,
                const QByteArray& privateKeyPem);
    quint16 port() const { return m_port; }
    QString errorString() const { return m_error; }
    // Stops the network thread: no handler runs after it returns. Connections still open go with the
    // server.
    void stop();

    boost::asio::io_context& context() { return m_context; }
    boost::asio::ssl::context& tls() { return m_tls; }
    RequestHandler& handler() { return m_handler; }
    const Limits& limits() const { return m_limits; }

    // For the sessions, on the network thread.
    bool beginRequest(); // false when as many requests as allowed are being served
    void endRequest();
    void sessionOpened(HttpSession* session);
    void sessionClosed(HttpSession* session);

private:
    void accept();

    // The sessions go with the context's pending work; what they touch when they go is declared before
    // it, the objects that use the context after it.
    RequestHandler& m_handler;
    Limits m_limits;
    std::unordered_set<HttpSession*> m_sessions;
    int m_requests = 0;
    quint16 m_port = 0;
    QString m_error;
    boost::asio::ssl::context m_tls;
    boost::asio::io_context m_context;
    std::optional<boost::asio::executor_work_guard<boost::asio::io_context::executor_type>> m_work;
    boost::asio::ip::tcp::acceptor m_acceptor;
    boost::asio::steady_timer m_retry;
    std::thread m_thread;
};
