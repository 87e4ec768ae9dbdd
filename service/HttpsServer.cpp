#include "service/HttpsServer.h"

#include "service/HttpSession.h"

#include <boost/asio/ip/address.hpp>
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
// client; a flood beyond the connection limit is turned away here, unread.
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
        if (int(m_sessions.size()) >= m_limits.maxConnections()) {
            socket.close(ignored);
        } else {
            socket.set_option(tcp::no_delay(true), ignored);
            std::make_shared<HttpSession>(std::move(socket), *this)->start();
        }
        accept();
    });
}

bool HttpsServer::beginRequest()
{
    if (m_requests >= m_limits.maxRequests)
        return false;
    ++m_requests;
    return true;
}

void HttpsServer::endRequest()
{
    --m_requests;
}

void HttpsServer::sessionOpened(HttpSession* session)
{
    m_sessions.insert(session);
}

void HttpsServer::sessionClosed(HttpSession* session)
{
    m_sessions.erase(session);
}
