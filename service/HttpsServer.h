// The listening side of the service: accepts TLS connections on one address and port and runs each as
// an HttpSession, on a network thread of its own that never blocks: handshakes, reads, writes and
// deadlines are all asynchronous. It keeps the counts that bound the service, in total and per peer
// address: requests being served at once, past which a request is answered 503, and open connections.
// A new connection that finds no room takes the place of one that holds no request, a connection that
// has not begun its TLS handshake going first, then the one that has waited longest; when there is none,
// the new one is closed at once. Connections still in their handshake are held to a pool of their own,
// so that clients that connect and say nothing cannot keep others from being heard. Knows nothing
// about the protocol's endpoints.
#pragma once

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/ssl/context.hpp>
#include <boost/asio/steady_timer.hpp>
#include <chrono>
#include <list>
#include <optional>
#include <string>
#include <thread>
#include <unordered_map>
#include <unordered_set>

class HttpSession;
class RequestHandler;

class HttpsServer
{
public:
    struct Limits
    {
        int maxRequests = 128;                           // served at once
        int maxRequestsPerPeer = 64;                     // of them, from one peer address
        std::chrono::milliseconds headerTimeout{10'000}; // the TLS handshake, then a request's head, each whole
        std::chrono::milliseconds idleTimeout{30'000};   // an open connection waiting for its next request
        std::chrono::milliseconds writeTimeout{60'000};  // a client that takes no more of an answer
        std::chrono::milliseconds bodyTimeout{300'000};  // a request's body, however steadily it arrives
        qint64 minBodyBytesPerSecond = 4096;             // on average, after a grace of headerTimeout

        // Handshaking, idle and busy connections alike.
        int maxConnections() const { return 4 * maxRequests; }
        int maxConnectionsPerPeer() const { return 4 * maxRequestsPerPeer; }
        // Connections whose TLS handshake is not done yet.
        int maxHandshakes() const { return std::max(16, maxRequests); }
    };

    // Where a connection stands for the limits: each session holds its own, the server keeps it.
    struct Place
    {
        enum class Standing
        {
            Handshake, // sheddable, before the others
            Waiting,   // for a request, or reading its head, or closing: sheddable
            Serving,   // holds a request: never shed
            Gone,
        };
        Standing standing = Standing::Gone;
        std::list<HttpSession*>::iterator at; // in the list of its standing, when it has one
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
    void sessionOpened(HttpSession* session); // in its handshake
    void waiting(HttpSession* session);       // holds no request
    bool beginRequest(HttpSession* session);  // false when its peer, or everyone, has as many as allowed
    void endRequest(HttpSession* session);
    void left(HttpSession* session); // its connection is closed; again is harmless
    void sessionClosed(HttpSession* session);
    // Shorter while many connections are handshaking at once.
    std::chrono::milliseconds handshakeTimeout() const;

private:
    struct Peer
    {
        int connections = 0;
        int requests = 0;
    };

    void accept();
    bool makeRoom(const std::string& peer);
    bool shedOne(const std::string* peer);
    bool shed(const std::list<HttpSession*>& sessions, const std::string* peer);
    void leaveList(HttpSession* session);
    int connectionsOf(const std::string& peer) const;
    void forgetIfIdle(const std::string& peer);

    // The sessions go with the context's pending work; what they touch when they go is declared before
    // it, the objects that use the context after it.
    RequestHandler& m_handler;
    Limits m_limits;
    std::unordered_set<HttpSession*> m_sessions;
    std::list<HttpSession*> m_handshaking; // oldest first
    std::list<HttpSession*> m_waiting;     // the longest waiting first
    std::unordered_map<std::string, Peer> m_peers;
    int m_connections = 0;
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
