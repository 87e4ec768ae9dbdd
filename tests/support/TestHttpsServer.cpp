#include "tests/support/TestHttpsServer.h"

#include "client/HttpTransport.h"

#include <QFile>
#include <QHostAddress>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

// Small, so that a held upload backs up into the client instead of into our memory.
constexpr qint64 socketReadBuffer = 64 * 1024;

QByteArray readCertificateFile(const QString& name)
{
    QFile file(QStringLiteral(TOVALIN_TEST_CERTS_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot read test certificate file %s", qPrintable(file.fileName()));
    }
    return file.readAll();
}

} // namespace

TestHttpsServer::TestHttpsServer(Identity identity, QObject* parent)
    : QObject(parent)
    , m_server(new QSslServer(this))
{
    const QString name = identity == Identity::trusted ? QStringLiteral("server") : QStringLiteral("untrusted");
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificate(QSslCertificate(readCertificateFile(name + QStringLiteral(".pem")), QSsl::Pem));
    configuration.setPrivateKey(QSslKey(readCertificateFile(name + QStringLiteral(".key")), QSsl::Ec, QSsl::Pem));
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    // Clients are not verified; naming the CAs keeps Qt from scanning the system's for every handshake.
    configuration.setCaCertificates(caCertificates());
    m_server->setSslConfiguration(configuration);
    connect(m_server, &QTcpServer::pendingConnectionAvailable, this, &TestHttpsServer::onNewConnection);
    if (!m_server->listen(QHostAddress::LocalHost)) {
        qWarning("test server cannot listen: %s", qPrintable(m_server->errorString()));
    }
}

TestHttpsServer::~TestHttpsServer()
{
    // Sockets are the server's children; they go with it, without calling back into a half-gone object.
    for (auto it = m_connections.keyBegin(); it != m_connections.keyEnd(); ++it) {
        (*it)->disconnect(this);
    }
}

bool TestHttpsServer::isListening() const
{
    return m_server->isListening();
}

quint16 TestHttpsServer::port() const
{
    return m_server->serverPort();
}

QUrl TestHttpsServer::baseUrl() const
{
    return QUrl(QStringLiteral("https://127.0.0.1:%1").arg(port()));
}

QUrl TestHttpsServer::url(const QString& path) const
{
    return baseUrl().resolved(QUrl(path));
}

QList<QSslCertificate> TestHttpsServer::caCertificates()
{
    return QSslCertificate::fromData(readCertificateFile(QStringLiteral("ca.pem")), QSsl::Pem);
}

std::shared_ptr<HttpTransport> TestHttpsServer::makeTransport(std::chrono::milliseconds idleTimeout)
{
    return std::make_shared<HttpTransport>(caCertificates(), idleTimeout, QString());
}

QList<RecordedRequest> TestHttpsServer::requests(const QByteArray& path) const
{
    QList<RecordedRequest> matching;
    std::copy_if(m_requests.cbegin(), m_requests.cend(), std::back_inserter(matching),
                 [&path](const RecordedRequest& request) { return request.path == path; });
    return matching;
}

void TestHttpsServer::onNewConnection()
{
    while (m_server->hasPendingConnections()) {
        auto* socket = static_cast<QSslSocket*>(m_server->nextPendingConnection());
        socket->setReadBufferSize(socketReadBuffer);
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        m_connections.insert(socket, Connection());
        ++m_connectionCount;
        connect(socket, &QSslSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QSslSocket::disconnected, this, [this, socket] { onDisconnected(socket); });
        if (socket->bytesAvailable() > 0) {
            onReadyRead(socket);
        }
    }
}

bool TestHttpsServer::parseHeaders(Connection& connection)
{
    const qsizetype end = connection.buffer.indexOf("\r\n\r\n");
    if (end < 0) {
        return false;
    }
    const QList<QByteArray> lines = connection.buffer.left(end).split('\n');
    connection.buffer.remove(0, end + 4);
    RecordedRequest request;
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    request.method = requestLine.value(0);
    request.target = requestLine.value(1);
    const qsizetype query = request.target.indexOf('?');
    request.path = query < 0 ? request.target : request.target.left(query);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon > 0) {
            request.headers.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
        }
    }
    connection.contentLength = request.header("Content-Length").toLongLong();
    connection.headersDone = true;
    connection.requestIndex = m_requests.size();
    m_requests.append(std::move(request));
    return true;
}

void TestHttpsServer::onReadyRead(QSslSocket* socket)
{
    auto found = m_connections.find(socket);
    if (found == m_connections.end()) {
        return;
    }
    Connection& connection = *found;
    if (connection.answered) {
        socket->readAll();
        return;
    }
    if (connection.headersDone) {
        const RecordedRequest& request = m_requests[connection.requestIndex];
        const auto cut = m_cuts.constFind(request.path);
        if (cut != m_cuts.cend() && cut->second == Cut::hold && request.body.size() >= cut->first) {
            return; // leave the rest in the socket: the client's upload backs up
        }
    }
    const QByteArray incoming = socket->readAll();
    m_bytesReceived += incoming.size();
    connection.buffer.append(incoming);
    if (!connection.headersDone && !parseHeaders(connection)) {
        return;
    }
    RecordedRequest& request = m_requests[connection.requestIndex];
    const qint64 wanted = connection.contentLength - request.body.size();
    const qint64 take = std::min<qint64>(wanted, connection.buffer.size());
    request.body.append(connection.buffer.left(take));
    connection.buffer.remove(0, take);

    const auto cut = m_cuts.constFind(request.path);
    if (cut != m_cuts.cend() && cut->second == Cut::drop && request.body.size() >= cut->first &&
        request.body.size() < connection.contentLength) {
        connection.answered = true;
        socket->abort();
        return;
    }
    if (request.body.size() == connection.contentLength) {
        request.complete = true;
        connection.answered = true;
        answer(socket, request);
    }
}

void TestHttpsServer::onDisconnected(QSslSocket* socket)
{
    m_connections.remove(socket);
    socket->deleteLater();
}

void TestHttpsServer::answer(QSslSocket* socket, const RecordedRequest& request)
{
    const auto handler = m_routes.constFind(request.path);
    ScriptedReply reply;
    if (handler != m_routes.cend()) {
        reply = (*handler)(request);
    } else if (m_defaultRoute) {
        reply = m_defaultRoute(request);
    } else {
        reply.status = 404;
    }
    if (reply.delay.count() > 0) {
        QTimer::singleShot(reply.delay, socket, [this, socket, reply] { send(socket, reply); });
    } else {
        send(socket, reply);
    }
}

void TestHttpsServer::send(QSslSocket* socket, const ScriptedReply& reply)
{
    if (reply.drop) {
        socket->abort();
        return;
    }
    if (reply.stall) {
        return;
    }
    // Clients go by the code; the reason phrase is only for people reading a trace.
    QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) + " Scripted\r\n";
    head += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    const bool keepAlive = m_keepAlive && reply.sendBodyBytes < 0;
    if (!keepAlive) {
        head += "Connection: close\r\n";
    }
    for (const auto& [name, value] : reply.headers) {
        head += name + ": " + value + "\r\n";
    }
    head += "\r\n";
    // One write: split writes would wait on delayed acknowledgements.
    if (reply.sendBodyBytes >= 0) {
        socket->write(head + reply.body.left(reply.sendBodyBytes));
        return;
    }
    socket->write(head + reply.body);
    if (!keepAlive) {
        socket->disconnectFromHost();
        return;
    }
    const auto found = m_connections.find(socket);
    if (found != m_connections.end()) {
        // The next request may have arrived already.
        *found = Connection{std::move(found->buffer)};
        QTimer::singleShot(0, socket, [this, socket] { onReadyRead(socket); });
    }
}
