#include "service/HttpsServer.h"

#include "service/HttpSession.h"

#include <boost/asio/ip/address.hpp>
#include <boost/asio/socket_base.hpp>
#include <openssl/ssl.h>
#include <vector>

namespace asio = boost::asio;
using tcp = asio::ip::tcp;

namespace {

// TLS 1.2 with forward-secret AEAD suites only; TLS 1.3 offers nothing weaker.
constexpr const char* kTls12Ciphers = "ECDHE-ECDSA-AES128-GCM-SHA256:ECDHE-RSA-AES128-GCM-SHA256:"
                                      "ECDHE-ECDSA-AES256-GCM-SHA384:ECDHE-RSA-AES256-GCM-SHA384:"
                                      "ECDHE-ECDSA-CHACHA20-POLY1305:ECDHE-RSA-CHACHA20-POLY1305";

// After a failed accept (out of descriptors, a connection reset in the queue), the next try.
constexpr std::chrono::milliseconds kAcceptRetry(50);
// The handshake's deadline once half of the handshake pool is taken: a client on this machine or
// nearby needs milliseconds.
constexpr std::chrono::milliseconds kPressedHandshakeTimeout(2000);

// A connection turned away says nothing: a reset, and no time spent waiting for its close.
void closeAtOnce(tcp::socket& socket)
{
    boost::system::error_code ignored;
    socket.set_option(asio::socket_base::linger(true, 0), ignored);
    socket.close(ignored);
}

} // namespace

HttpsServer::HttpsServer(RequestHandler& handler, const Limits& limits)
    : m_handler(handler)
    , m_limits(limits)
    , m_tls(asio::ssl::context::tls_server)
    , m_acceptor(m_context)
    , m_retry(m_context)
{
    SSL_CTX* native = m_tls.native_handle();
    SSL_CTX_set_min_proto_version(native, TLS1_2_VERSION);
    SSL_CTX_set_cipher_list(native, kTls12Ciphers);
    m_tls.set_options(asio::ssl::context::default_workarounds | asio::ssl::context::no_compression);
    // Idle connections give their TLS buffers back.
    SSL_CTX_set_mode(native, SSL_MODE_RELEASE_BUFFERS);
}

HttpsServer::~HttpsServer()
{
    stop();
}

bool HttpsServer::listen(const QString& address, quint16 port, const QByteArray& certificateChainPem,
                         const QByteArray& privateKeyPem)
{
    boost::system::error_code ec;
    m_tls.use_certificate_chain(asio::buffer(certificateChainPem.constData(), std::size_t(certificateChainPem.size())),
                                ec);
    if (!ec)
        m_tls.use_private_key(asio::buffer(privateKeyPem.constData(), std::size_t(privateKeyPem.size())),
                              asio::ssl::context::pem, ec);
    if (ec || SSL_CTX_check_private_key(m_tls.native_handle()) != 1) {
        m_error = QStringLiteral("the certificate or key is not a readable PEM file, or they do not belong together");
        return false;
    }

    const tcp::endpoint endpoint(asio::ip::make_address(address.toStdString(), ec), port);
    if (!ec)
        m_acceptor.open(endpoint.protocol(), ec);
    if (!ec)
        m_acceptor.set_option(tcp::acceptor::reuse_address(true), ec);
    if (!ec)
        m_acceptor.bind(endpoint, ec);
    if (!ec)
        m_acceptor.listen(asio::socket_base::max_listen_connections, ec);
    if (ec) {
        m_error = QString::fromStdString(ec.message());
        boost::system::error_code ignored;
        m_acceptor.close(ignored);
        return false;
    }
    m_port = m_acceptor.local_endpoint().port();
    m_work.emplace(m_context.get_executor());
    accept();
    m_thread = std::thread([this] { m_context.run(); });
    return true;
}

void HttpsServer::stop()
{
    if (!m_thread.joinable())
        return;
    m_context.stop();
    m_thread.join();
    m_work.reset();
    boost::system::error_code ignored;
    m_acceptor.close(ignored);
    // A session waiting for its answer holds the request's exchange, which holds the session's
    // Responder: let go of both, so that every session goes with the work still pending for it.
    std::vector<std::shared_ptr<HttpSession>> open;
    for (HttpSession* session : m_sessions) {
        if (std::shared_ptr<HttpSession> alive = session->weak_from_this().lock())
            open.push_back(std::move(alive));
    }
    for (const std::shared_ptr<HttpSession>& session : open)
        session->abandon();
}

// The handshake and everything after it belong to the session, so that accepting never waits for a
// client; a connection for which no room can be made is turned away here, unread.
void HttpsServer::accept()
{
    m_acceptor.async_accept([this](boost::system::error_code ec, tcp::socket socket) {
        if (ec == asio::error::operation_aborted)
            return;
        if (ec) {
            m_retry.expires_after(kAcceptRetry);
            m_retry.async_wait([this](boost::system::error_code error) {
                if (!error)
                    accept();
            });
            return;
        }
        boost::system::error_code ignored;
        const tcp::endpoint remote = socket.remote_endpoint(ec);
        const std::string peer = ec ? std::string() : remote.address().to_string();
        if (ec || !makeRoom(peer)) {
            closeAtOnce(socket);
        } else {
            socket.set_option(tcp::no_delay(true), ignored);
            std::make_shared<HttpSession>(std::move(socket), peer, *this)->start();
        }
        accept();
    });
}

// Room for one more connection from `peer`, within the handshake pool, the peer's share and the total,
// shedding what matters least where a limit is reached.
bool HttpsServer::makeRoom(const std::string& peer)
{
    if (int(m_handshaking.size()) >= m_limits.maxHandshakes() && !shed(m_handshaking, nullptr))
        return false;
    if (connectionsOf(peer) >= m_limits.maxConnectionsPerPeer() && !shedOne(&peer))
        return false;
    return m_connections < m_limits.maxConnections() || shedOne(nullptr);
}

bool HttpsServer::shedOne(const std::string* peer)
{
    return shed(m_handshaking, peer) || shed(m_waiting, peer);
}

// Sheds the connection of `sessions` (of `peer` alone, when given) that has been there longest, one that
// has not begun its handshake before any other.
bool HttpsServer::shed(const std::list<HttpSession*>& sessions, const std::string* peer)
{
    HttpSession* chosen = nullptr;
    for (HttpSession* session : sessions) {
        if (peer && session->peerAddress() != *peer)
            continue;
        if (!chosen)
            chosen = session;
        if (session->isSilent()) {
            chosen = session;
            break;
        }
    }
    if (!chosen)
        return false;
    chosen->shed();
    return true;
}

std::chrono::milliseconds HttpsServer::handshakeTimeout() const
{
    if (2 * int(m_handshaking.size()) >= m_limits.maxHandshakes())
        return std::min(m_limits.headerTimeout, kPressedHandshakeTimeout);
    return m_limits.headerTimeout;
}

int HttpsServer::connectionsOf(const std::string& peer) const
{
    const auto it = m_peers.find(peer);
    return it == m_peers.end() ? 0 : it->second.connections;
}

void HttpsServer::forgetIfIdle(const std::string& peer)
{
    const auto it = m_peers.find(peer);
    if (it != m_peers.end() && it->second.connections <= 0 && it->second.requests <= 0)
        m_peers.erase(it);
}

void HttpsServer::leaveList(HttpSession* session)
{
    Place& place = session->place();
    if (place.standing == Place::Standing::Handshake)
        m_handshaking.erase(place.at);
    else if (place.standing == Place::Standing::Waiting)
        m_waiting.erase(place.at);
}

void HttpsServer::sessionOpened(HttpSession* session)
{
    m_sessions.insert(session);
    ++m_connections;
    ++m_peers[session->peerAddress()].connections;
    session->place() = {Place::Standing::Handshake, m_handshaking.insert(m_handshaking.end(), session)};
}

void HttpsServer::waiting(HttpSession* session)
{
    Place& place = session->place();
    if (place.standing == Place::Standing::Gone)
        return;
    leaveList(session);
    place = {Place::Standing::Waiting, m_waiting.insert(m_waiting.end(), session)};
}

bool HttpsServer::beginRequest(HttpSession* session)
{
    Peer& peer = m_peers[session->peerAddress()];
    if (m_requests >= m_limits.maxRequests || peer.requests >= m_limits.maxRequestsPerPeer)
        return false;
    ++m_requests;
    ++peer.requests;
    leaveList(session);
    session->place().standing = Place::Standing::Serving;
    return true;
}

void HttpsServer::endRequest(HttpSession* session)
{
    --m_requests;
    --m_peers[session->peerAddress()].requests;
    forgetIfIdle(session->peerAddress());
}

void HttpsServer::left(HttpSession* session)
{
    Place& place = session->place();
    if (place.standing == Place::Standing::Gone)
        return;
    leaveList(session);
    place.standing = Place::Standing::Gone;
    --m_connections;
    --m_peers[session->peerAddress()].connections;
    forgetIfIdle(session->peerAddress());
}

void HttpsServer::sessionClosed(HttpSession* session)
{
    left(session);
    m_sessions.erase(session);
}
