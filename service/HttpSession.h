// One client connection of the service, from the TLS handshake to the close. Each request's head and
// body are read through Beast's parser, the body handed to the service piece by piece through an
// HttpExchange, and the answer written whenever it comes, which may be long after the request; a file is
// streamed from disk. Requests on one connection are answered in order, one at a time: bytes of the next
// wait in the buffer meanwhile. Every phase has its deadline: the handshake and a request's head each a
// fixed one from their start (a byte now and then does not extend it), a body one that moves with the
// bytes that arrived but never past a fixed bound, a waiting connection and a stalled write their own.
// The server tells it where it stands and may shed it to make room for another.
#pragma once

#include "service/HttpReply.h"
#include "service/HttpsServer.h"

#include <QString>

#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/tcp_stream.hpp>
#include <boost/beast/http/buffer_body.hpp>
#include <boost/beast/http/empty_body.hpp>
#include <boost/beast/http/parser.hpp>
#include <boost/beast/ssl/ssl_stream.hpp>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class HttpExchange;

class HttpSession : public std::enable_shared_from_this<HttpSession>
{
public:
    using Stream = boost::beast::ssl_stream<boost::beast::tcp_stream>;
    class Outgoing;

    HttpSession(boost::asio::ip::tcp::socket socket, std::string peerAddress, HttpsServer& server);
    ~HttpSession();

    void start();
    // The server stops: drops the request under way and closes the connection, from the thread that
    // stopped the server's.
    void abandon();

    // What the server asks of a session it keeps count of.
    const std::string& peerAddress() const { return m_peerAddress; }
    HttpsServer::Place& place() { return m_place; }
    // Connected, and no whole TLS message received yet, nor any bytes waiting to be read.
    bool isSilent();
    // Closed at once, with a reset, for a newer connection's sake.
    void shed();

    // What a Responder asks of its request's connection.
    void answer(std::uint64_t request, HttpReply reply);
    QString peer() const { return QString::fromStdString(m_peerAddress); }
    qint64 elapsedMs() const;
    qint64 bodyBytes() const { return m_bodyBytes; }

private:
    using Clock = std::chrono::steady_clock;
    using Continuation = void (HttpSession::*)();

    enum class Phase
    {
        Handshake,
        Waiting,   // for the first byte of the next request
        Head,      // a request's head is arriving
        Body,      // its body is arriving
        Answering, // the service has the whole request
        Writing,
        Closing,
    };

    boost::beast::tcp_stream& tcp();
    void readSome(Continuation next);
    void onReadFailed(boost::system::error_code ec);
    void nextRequest();
    void readHead();
    bool hasBareLineFeed();
    void onHead();
    void writeContinue();
    void startBody();
    void readBody();
    void refuse(int status, const QString& message);
    void afterCall();
    void write();
    void writeSome();
    void onWritten(boost::system::error_code ec);
    void closeAfterAnswer();
    void drain();
    void closeTls();
    void closeSocket();

    HttpsServer& m_server;
    Stream m_stream;
    std::string m_peerAddress;
    HttpsServer::Place m_place;
    Phase m_phase = Phase::Handshake;
    boost::beast::flat_buffer m_buffer;
    std::size_t m_scanned = 0;  // bytes of the buffered head already checked for bare line feeds
    std::uint32_t m_recent = 0; // the last four of them
    std::optional<boost::beast::http::request_parser<boost::beast::http::empty_body>> m_head;
    std::optional<boost::beast::http::request_parser<boost::beast::http::buffer_body>> m_body;
    std::vector<char> m_piece; // one piece of body on its way to the service; only while a body arrives
    Clock::time_point m_deadline;
    Clock::time_point m_bodyDeadline; // whatever the rate
    Clock::time_point m_mark;         // since when elapsedMs() counts
    std::uint64_t m_request = 0;
    bool m_inRequest = false; // holds one of the server's request slots
    bool m_keepAlive = true;
    bool m_calling = false; // inside a call to the service
    bool m_answered = false;
    qint64 m_bodyBytes = 0;
    qint64 m_unread = 0; // of the body the client announced
    std::unique_ptr<HttpExchange> m_exchange;
    std::optional<HttpReply> m_reply;
    bool m_closeAfterAnswer = false;
    std::unique_ptr<Outgoing> m_outgoing;
};
