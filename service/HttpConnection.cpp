#include "HttpConnection.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSslSocket>

namespace {

// Long enough for a slow client between two reads, short enough that abandoned connections go.
constexpr int kIdleTimeoutMs = 60'000;
// After refusing a request whose body is still arriving, keep reading (and dropping) it for a while
// before closing: closing with unread data makes the kernel reset the connection, and the client
// would lose the answer that says why.
constexpr int kDrainMs = 10'000;

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 100:
        return "Continue";
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 401:
        return "Unauthorized";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 411:
        return "Length Required";
    case 413:
        return "Content Too Large";
    case 414:
        return "URI Too Long";
    case 415:
        return "Unsupported Media Type";
    case 431:
        return "Request Header Fields Too Large";
    case 500:
        return "Internal Server Error";
    case 501:
        return "Not Implemented";
    case 503:
        return "Service Unavailable";
    case 505:
        return "HTTP Version Not Supported";
    default:
        return "Status";
    }
}

} // namespace

HttpConnection::HttpConnection(QSslSocket* socket, HttpRequestParser::BodyLimitFn bodyLimit, QObject* parent)
    : QObject(parent)
    , m_socket(socket)
    , m_parser(std::move(bodyLimit))
{
    socket->setParent(this);
    m_idleTimer.setSingleShot(true);
    m_idleTimer.setInterval(kIdleTimeoutMs);
    connect(&m_idleTimer, &QTimer::timeout, this, [this] {
        if (m_socket && !m_awaitingResponse)
            m_socket->abort();
    });
    connect(socket, &QSslSocket::readyRead, this, [this] { readAvailable(); });
    connect(socket, &QSslSocket::disconnected, this, [this] {
        m_idleTimer.stop();
        Q_EMIT closed();
    });
    connect(socket, &QSslSocket::errorOccurred, this, [this](QAbstractSocket::SocketError) {
        if (m_socket && m_socket->state() == QAbstractSocket::UnconnectedState)
            Q_EMIT closed();
    });
    m_idleTimer.start();
    if (socket->bytesAvailable() > 0)
        QMetaObject::invokeMethod(
            this, [this] { readAvailable(); }, Qt::QueuedConnection);
}

HttpConnection::~HttpConnection() = default;

QString HttpConnection::peerAddress() const
{
    return m_socket ? m_socket->peerAddress().toString() : QString();
}

void HttpConnection::readAvailable(const QByteArray& extra)
{
    if (m_socket && m_draining) {
        m_socket->skip(m_socket->bytesAvailable());
        return;
    }
    if (!m_socket || m_awaitingResponse)
        return; // the next request waits until the current one is answered
    m_idleTimer.start();
    const QByteArray bytes = extra + m_socket->readAll();
    switch (m_parser.feed(bytes)) {
    case HttpRequestParser::State::NeedMore:
        if (m_parser.wantsContinue()) {
            m_parser.clearContinue();
            m_socket->write("HTTP/1.1 100 Continue\r\n\r\n");
        }
        return;
    case HttpRequestParser::State::Error: {
        QJsonObject status{{QStringLiteral("Code"), m_parser.errorStatus()},
                           {QStringLiteral("Message"), m_parser.errorMessage()}};
        const QByteArray body =
            QJsonDocument(QJsonArray{QJsonObject{{QStringLiteral("Status"), status}}}).toJson(QJsonDocument::Compact);
        // Whatever else the client sent cannot be trusted to be framed right: answer, drain, close.
        m_draining = true;
        writeResponse(m_parser.errorStatus(), "application/json", body, false);
        m_idleTimer.stop();
        QTimer::singleShot(kDrainMs, this, [this] {
            if (m_socket)
                m_socket->disconnectFromHost();
        });
        m_socket->skip(m_socket->bytesAvailable());
        Q_EMIT requestRefused(m_parser.errorStatus(), m_parser.errorMessage());
        return;
    }
    case HttpRequestParser::State::Complete: {
        HttpRequest request = m_parser.takeRequest();
        m_closeAfterResponse = !request.keepAlive;
        m_awaitingResponse = true;
        m_idleTimer.stop();
        m_elapsed.start();
        Q_EMIT requestReceived(request);
        return;
    }
    }
}

void HttpConnection::respond(int status, const QByteArray& contentType, const QByteArray& body)
{
    if (!m_socket || !m_awaitingResponse)
        return;
    m_awaitingResponse = false;
    writeResponse(status, contentType, body, m_closeAfterResponse);
    if (m_socket && !m_closeAfterResponse) {
        m_idleTimer.start();
        if (m_parser.hasBufferedData() || m_socket->bytesAvailable() > 0)
            QMetaObject::invokeMethod(
                this, [this] { readAvailable(); }, Qt::QueuedConnection);
    }
}

void HttpConnection::writeResponse(int status, const QByteArray& contentType, const QByteArray& body, bool close)
{
    if (!m_socket)
        return;
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status) + "\r\n";
    head += "Content-Type: " + contentType + "\r\n";
    head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    head += "Cache-Control: no-store\r\n";
    head += "X-Content-Type-Options: nosniff\r\n";
    if (close || m_draining)
        head += "Connection: close\r\n";
    head += "\r\n";
    m_socket->write(head);
    m_socket->write(body);
    if (close) {
        m_idleTimer.stop();
        m_socket->disconnectFromHost();
    }
}
