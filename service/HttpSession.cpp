#include "service/HttpSession.h"

#include "service/HttpExchange.h"
#include "service/HttpRequest.h"
#include "service/HttpsServer.h"
#include "service/RequestHandler.h"
#include "service/Responder.h"

#include <QFile>

#include <algorithm>
#include <boost/asio/post.hpp>
#include <boost/asio/write.hpp>
#include <boost/beast/core/string.hpp>
#include <boost/beast/http/file_body.hpp>
#include <boost/beast/http/message.hpp>
#include <boost/beast/http/serializer.hpp>
#include <boost/beast/http/string_body.hpp>
#include <boost/beast/http/write.hpp>
#include <functional>
#include <limits>
#include <openssl/ssl.h>
#include <string_view>

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = asio::ip::tcp;
using boost::system::error_code;

namespace {

constexpr std::size_t kMaxHeadBytes = 16 * 1024;
constexpr std::size_t kMaxTargetBytes = 4096;
constexpr std::size_t kMaxHeaderFields = 100;
constexpr std::size_t kReadBytes = 64 * 1024;
constexpr std::size_t kPieceBytes = 64 * 1024;
// A head, or the rest of a head and one read of body.
constexpr std::size_t kMaxBufferBytes = kMaxHeadBytes + kReadBytes;
// After an answer that ends the connection: the longest wait to send the TLS close.
constexpr std::chrono::seconds kCloseNotifyTimeout(1);
constexpr std::size_t kDrainBytes = 16 * 1024;
constexpr std::size_t kHeadScanned = std::numeric_limits<std::size_t>::max();

// What the parser's complaint about a head means for the client.
std::pair<int, QString> refusalFor(error_code ec)
{
    if (ec == http::error::header_limit)
        return {431, QStringLiteral("The request headers are too large.")};
    if (ec == http::error::bad_line_ending)
        return {400, QStringLiteral("The request uses bare line feeds.")};
    if (ec == http::error::bad_version)
        return {505, QStringLiteral("Only HTTP/1.1 is supported.")};
    if (ec == http::error::bad_content_length)
        return {400, QStringLiteral("The Content-Length header is malformed.")};
    if (ec == http::error::bad_transfer_encoding)
        return {411, QStringLiteral("Chunked uploads are not supported; send a Content-Length.")};
    if (ec == http::error::bad_field || ec == http::error::bad_value || ec == http::error::bad_obs_fold)
        return {400, QStringLiteral("A request header is malformed.")};
    return {400, QStringLiteral("The request line is malformed.")};
}

QByteArray bytes(beast::string_view text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

} // namespace

// One answer on its way out: the message and the serializer that writes it in pieces, so that a large
// file goes out a buffer at a time and a stalled client can be timed out between two pieces.
class HttpSession::Outgoing
{
public:
    virtual ~Outgoing() = default;
    virtual void writeSome(Stream& stream, std::function<void(error_code)> done) = 0;
    virtual bool isDone() = 0;
};

namespace {

template <class Body>
class OutgoingResponse : public HttpSession::Outgoing
{
public:
    explicit OutgoingResponse(http::response<Body> message)
        : m_message(std::move(message))
        , m_serializer(m_message)
    {
    }

    void writeSome(HttpSession::Stream& stream, std::function<void(error_code)> done) override
    {
        http::async_write_some(stream, m_serializer,
                               [done = std::move(done)](error_code ec, std::size_t) { done(ec); });
    }
    bool isDone() override { return m_serializer.is_done(); }

private:
    http::response<Body> m_message;
    http::response_serializer<Body> m_serializer;
};

template <class Body>
void setHead(http::response<Body>& message, const HttpReply& reply, bool close)
{
    message.version(11);
    message.result(unsigned(reply.status));
    message.set(http::field::content_type,
                beast::string_view(reply.contentType.constData(), std::size_t(reply.contentType.size())));
    message.set(http::field::cache_control, "no-store");
    message.set("X-Content-Type-Options", "nosniff");
    message.keep_alive(!close);
    message.prepare_payload();
}

} // namespace

HttpSession::HttpSession(tcp::socket socket, std::string peerAddress, HttpsServer& server)
    : m_server(server)
    , m_stream(std::move(socket), server.tls())
    , m_peerAddress(std::move(peerAddress))
    , m_buffer(kMaxBufferBytes)
{
    m_server.sessionOpened(this);
}

HttpSession::~HttpSession()
{
    if (m_inRequest)
        m_server.endRequest(this);
    m_server.sessionClosed(this);
}

bool HttpSession::isSilent()
{
    if (m_phase != Phase::Handshake || SSL_get_state(m_stream.native_handle()) != TLS_ST_BEFORE)
        return false;
    // A client's first message may wait unread while the network thread was busy accepting others:
    // only one that has sent nothing at all is silent.
    error_code ec;
    return tcp().socket().available(ec) == 0;
}

void HttpSession::shed()
{
    error_code ignored;
    tcp().socket().set_option(asio::socket_base::linger(true, 0), ignored);
    closeSocket();
}

void HttpSession::abandon()
{
    m_reply.reset();
    m_outgoing.reset();
    closeSocket();
}

beast::tcp_stream& HttpSession::tcp()
{
    return beast::get_lowest_layer(m_stream);
}

qint64 HttpSession::elapsedMs() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - m_mark).count();
}

// The handshake runs here, never on the accept path, under the same deadline as a request's head, or a
// shorter one while many handshake at once.
void HttpSession::start()
{
    tcp().expires_after(m_server.handshakeTimeout());
    m_stream.async_handshake(asio::ssl::stream_base::server, [self = shared_from_this()](error_code ec) {
        if (ec)
            return self->closeSocket(); // a failed handshake is only noise: nothing to answer, nothing to log
        self->nextRequest();
    });
}

void HttpSession::readSome(Continuation next)
{
    const std::size_t room = std::min(kReadBytes, m_buffer.max_size() - m_buffer.size());
    m_stream.async_read_some(m_buffer.prepare(room),
                             [self = shared_from_this(), next](error_code ec, std::size_t transferred) {
                                 if (ec)
                                     return self->onReadFailed(ec);
                                 self->m_buffer.commit(transferred);
                                 ((*self).*next)();
                             });
}

void HttpSession::onReadFailed(error_code ec)
{
    // A client too slow with its request hears nothing (the deadline has closed the socket), but the
    // log says why it went.
    if (ec == beast::error::timeout && (m_phase == Phase::Head || m_phase == Phase::Body))
        m_server.handler().refusal(peer(), 408, QStringLiteral("The request did not arrive in time."));
    closeSocket();
}

void HttpSession::nextRequest()
{
    m_phase = Phase::Waiting;
    m_server.waiting(this);
    m_exchange.reset();
    m_reply.reset();
    m_body.reset();
    m_outgoing.reset();
    m_answered = false;
    m_closeAfterAnswer = false;
    m_bodyBytes = 0;
    m_unread = 0;
    m_scanned = 0;
    m_recent = 0;
    ++m_request;
    m_head.emplace();
    m_head->header_limit(kMaxHeadBytes);
    m_head->body_limit(std::numeric_limits<std::uint64_t>::max()); // each endpoint has its own, checked below
    m_head->eager(false);
    if (m_buffer.size() > 0) {
        m_phase = Phase::Head;
        m_deadline = Clock::now() + m_server.limits().headerTimeout;
        return readHead();
    }
    tcp().expires_after(m_server.limits().idleTimeout);
    readSome(&HttpSession::readHead);
}

// Beast finds bare line feeds only once a whole head has arrived; a client that sends nothing else
// would wait out the deadline, so they are looked for as the head arrives, up to its end. The last bytes
// seen are kept apart from the buffer, from which Beast takes each complete line of the head.
bool HttpSession::hasBareLineFeed()
{
    constexpr std::uint32_t headEnd = ('\r' << 24) | ('\n' << 16) | ('\r' << 8) | '\n';
    const auto* data = static_cast<const unsigned char*>(m_buffer.data().data());
    for (std::size_t i = m_scanned; i < m_buffer.size(); ++i) {
        m_recent = (m_recent << 8) | data[i];
        if (data[i] != '\n')
            continue;
        if (((m_recent >> 8) & 0xff) != '\r')
            return true;
        if (m_recent == headEnd) {
            m_scanned = kHeadScanned; // what follows is body
            return false;
        }
    }
    m_scanned = m_buffer.size();
    return false;
}

void HttpSession::readHead()
{
    if (m_phase == Phase::Waiting) {
        m_phase = Phase::Head;
        m_deadline = Clock::now() + m_server.limits().headerTimeout;
    }
    // Empty lines before a request line are tolerated, as RFC 9112 asks.
    while (!m_head->got_some() && m_buffer.size() >= 2 &&
           std::string_view(static_cast<const char*>(m_buffer.data().data()), 2) == "\r\n") {
        m_buffer.consume(2);
        m_scanned = 0;
        m_recent = 0;
    }
    if (m_scanned != kHeadScanned && hasBareLineFeed())
        return refuse(400, QStringLiteral("The request uses bare line feeds."));
    while (m_buffer.size() > 0) {
        error_code ec;
        const std::size_t used = m_head->put(m_buffer.data(), ec);
        m_buffer.consume(used);
        if (m_scanned != kHeadScanned)
            m_scanned -= std::min(used, m_scanned);
        if (ec == http::error::need_more)
            break;
        if (ec) {
            const auto [status, message] = refusalFor(ec);
            return refuse(status, message);
        }
        if (m_head->is_header_done())
            return onHead();
        if (used == 0)
            break;
    }
    tcp().expires_at(m_deadline);
    readSome(&HttpSession::readHead);
}

void HttpSession::onHead()
{
    const auto& message = m_head->get();
    m_keepAlive = message.keep_alive();
    m_mark = Clock::now();
    const beast::string_view target = message.target();
    if (message.version() != 11 && message.version() != 10)
        return refuse(505, QStringLiteral("Only HTTP/1.1 is supported."));
    if (target.size() > kMaxTargetBytes)
        return refuse(414, QStringLiteral("The request address is too long."));
    if (target.empty() || target.front() != '/' || std::any_of(target.begin(), target.end(), [](char c) {
            return static_cast<unsigned char>(c) <= 0x20 || static_cast<unsigned char>(c) >= 0x7f;
        }))
        return refuse(400, QStringLiteral("The request address is malformed."));
    if (std::size_t(std::distance(message.begin(), message.end())) > kMaxHeaderFields)
        return refuse(431, QStringLiteral("The request has too many headers."));
    if (message.count(http::field::transfer_encoding) > 0)
        return refuse(411, QStringLiteral("Chunked uploads are not supported; send a Content-Length."));
    if (!m_server.beginRequest(this))
        return refuse(503, QStringLiteral("The server is busy. Try again shortly."));
    m_inRequest = true;

    HttpRequest request;
    request.method = bytes(message.method_string());
    request.target = bytes(target);
    request.contentType = bytes(message[http::field::content_type]);
    request.contentLength = qint64(m_head->content_length().value_or(0));
    m_unread = request.contentLength;
    m_calling = true;
    m_exchange = m_server.handler().open(request, Responder(shared_from_this(), m_request));
    m_calling = false;
    if (m_reply || !m_exchange) {
        // Answered before the body: whatever body there is stays unread, and the connection ends.
        m_closeAfterAnswer = request.contentLength > 0;
        return write();
    }
    if (request.contentLength > 0 && beast::iequals(message[http::field::expect], "100-continue"))
        return writeContinue();
    startBody();
}

void HttpSession::writeContinue()
{
    static constexpr std::string_view kContinue = "HTTP/1.1 100 Continue\r\n\r\n";
    tcp().expires_after(m_server.limits().writeTimeout);
    asio::async_write(m_stream, asio::buffer(kContinue.data(), kContinue.size()),
                      [self = shared_from_this()](error_code ec, std::size_t) {
                          if (ec)
                              return self->closeSocket();
                          self->startBody();
                      });
}

void HttpSession::startBody()
{
    m_phase = Phase::Body;
    m_body.emplace(std::move(*m_head));
    m_head.reset();
    m_deadline = Clock::now() + m_server.limits().headerTimeout;
    m_bodyDeadline = Clock::now() + m_server.limits().bodyTimeout;
    if (!m_body->is_done())
        m_piece.resize(kPieceBytes);
    readBody();
}

void HttpSession::readBody()
{
    if (m_reply)
        return afterCall();
    while (!m_body->is_done()) {
        std::size_t used = 0;
        std::size_t produced = 0;
        if (m_buffer.size() > 0) {
            auto& body = m_body->get().body();
            body.data = m_piece.data();
            body.size = m_piece.size();
            body.more = true;
            error_code ec;
            used = m_body->put(m_buffer.data(), ec);
            m_buffer.consume(used);
            if (ec && ec != http::error::need_buffer && ec != http::error::need_more)
                return refuse(400, QStringLiteral("The request body is malformed."));
            produced = m_piece.size() - body.size;
        }
        if (produced > 0) {
            m_bodyBytes += qint64(produced);
            m_unread -= qint64(produced);
            m_calling = true;
            m_exchange->receive(std::string_view(m_piece.data(), produced));
            m_calling = false;
            if (m_reply)
                return afterCall();
        }
        if (used == 0 && produced == 0) {
            // A slow sender may take its time on average, never longer: the deadline moves on with
            // every byte that arrived, at the slowest rate allowed, and stops at the bound of a whole
            // body, so that a trickle cannot keep its place and its room in the store for hours.
            const qint64 rate = std::max<qint64>(1, m_server.limits().minBodyBytesPerSecond);
            tcp().expires_at(
                std::min(m_deadline + std::chrono::milliseconds(m_bodyBytes * 1000 / rate), m_bodyDeadline));
            return readSome(&HttpSession::readBody);
        }
    }
    m_piece = {};
    m_phase = Phase::Answering;
    m_mark = Clock::now();
    m_calling = true;
    m_exchange->complete();
    m_calling = false;
    afterCall();
}

// The service answered, or will: an answer given while the body is still arriving ends the connection
// after it.
void HttpSession::afterCall()
{
    if (!m_reply)
        return;
    if (m_phase != Phase::Answering)
        m_closeAfterAnswer = true;
    write();
}

void HttpSession::answer(std::uint64_t request, HttpReply reply)
{
    if (request != m_request || m_answered || m_phase == Phase::Closing)
        return;
    m_answered = true;
    m_reply = std::move(reply);
    // From inside the service's call, the session picks the answer up when the call returns; later, it
    // is written from the network thread's loop, never from within the service.
    if (!m_calling && m_phase == Phase::Answering)
        asio::post(m_stream.get_executor(), [self = shared_from_this()] { self->write(); });
}

void HttpSession::refuse(int status, const QString& message)
{
    m_reply = m_server.handler().refusal(peer(), status, message);
    m_closeAfterAnswer = true;
    write();
}

void HttpSession::write()
{
    if (!m_reply || m_phase == Phase::Writing || m_phase == Phase::Closing)
        return;
    m_phase = Phase::Writing;
    const HttpReply reply = std::move(*m_reply);
    m_reply.reset();
    const bool close = m_closeAfterAnswer || !m_keepAlive;
    if (!reply.file.isEmpty()) {
        http::response<http::file_body> message;
        error_code ec;
        message.body().open(QFile::encodeName(reply.file).constData(), beast::file_mode::scan, ec);
        if (ec)
            return closeSocket(); // gone from the store between the answer and now
        setHead(message, reply, close);
        m_outgoing = std::make_unique<OutgoingResponse<http::file_body>>(std::move(message));
    } else {
        http::response<http::string_body> message;
        message.body().assign(reply.body.constData(), std::size_t(reply.body.size()));
        setHead(message, reply, close);
        m_outgoing = std::make_unique<OutgoingResponse<http::string_body>>(std::move(message));
    }
    m_closeAfterAnswer = close;
    writeSome();
}

void HttpSession::writeSome()
{
    tcp().expires_after(m_server.limits().writeTimeout);
    m_outgoing->writeSome(m_stream, [self = shared_from_this()](error_code ec) { self->onWritten(ec); });
}

void HttpSession::onWritten(error_code ec)
{
    if (ec)
        return closeSocket();
    if (!m_outgoing->isDone())
        return writeSome();
    m_outgoing.reset();
    if (m_inRequest) {
        m_inRequest = false;
        m_server.endRequest(this);
    }
    if (m_closeAfterAnswer)
        return closeAfterAnswer();
    nextRequest();
}

// What the client announced and has not sent yet is read and dropped first, within a head's deadline:
// a client still sending its body would otherwise have the connection reset under it before it reads
// the answer that says why. Then TLS is closed as it should be.
void HttpSession::closeAfterAnswer()
{
    m_phase = Phase::Closing;
    m_server.waiting(this);
    m_exchange.reset();
    m_deadline = Clock::now() + m_server.limits().headerTimeout;
    m_piece.resize(kDrainBytes);
    drain();
}

void HttpSession::drain()
{
    const std::size_t buffered = std::size_t(std::min<qint64>(m_unread, qint64(m_buffer.size())));
    m_buffer.consume(buffered);
    m_unread -= qint64(buffered);
    if (m_unread <= 0)
        return closeTls();
    tcp().expires_at(m_deadline);
    const std::size_t size = std::size_t(std::min<qint64>(m_unread, qint64(m_piece.size())));
    m_stream.async_read_some(asio::buffer(m_piece.data(), size),
                             [self = shared_from_this()](error_code ec, std::size_t transferred) {
                                 if (ec)
                                     return self->closeSocket();
                                 self->m_unread -= qint64(transferred);
                                 self->drain();
                             });
}

// Our close_notify goes out, the peer's is not waited for (RFC 8446 allows either): the connection
// is done, and a client that never answers one should not keep it open.
void HttpSession::closeTls()
{
    SSL_set_shutdown(m_stream.native_handle(), SSL_RECEIVED_SHUTDOWN);
    tcp().expires_after(kCloseNotifyTimeout);
    m_stream.async_shutdown([self = shared_from_this()](error_code) { self->closeSocket(); });
}

void HttpSession::closeSocket()
{
    m_phase = Phase::Closing;
    m_exchange.reset();
    m_server.left(this);
    error_code ignored;
    tcp().socket().shutdown(tcp::socket::shutdown_both, ignored);
    tcp().close();
}
