#include "HttpsServer.h"

#include "HttpConnection.h"

#include <QSslSocket>

HttpsServer::HttpsServer(HttpRequestParser::BodyLimitFn bodyLimit, QObject* parent)
    : QObject(parent)
    , m_bodyLimit(std::move(bodyLimit))
{
    m_server.setParent(this);
    m_server.setHandshakeTimeout(10'000);
    connect(&m_server, &QSslServer::pendingConnectionAvailable, this, &HttpsServer::acceptPending);
}

bool HttpsServer::listen(const QHostAddress& address, quint16 port, const QSslConfiguration& ssl)
{
    m_server.setSslConfiguration(ssl);
    return m_server.listen(address, port);
}

void HttpsServer::acceptPending()
{
    while (m_server.hasPendingConnections()) {
        auto* socket = qobject_cast<QSslSocket*>(m_server.nextPendingConnection());
        if (!socket)
            continue;
        if (m_connections >= kMaxConnections) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        ++m_connections;
        auto* connection = new HttpConnection(socket, m_bodyLimit, this);
        connect(connection, &HttpConnection::requestReceived, this,
                [this, connection](const HttpRequest& request) { Q_EMIT requestReceived(connection, request); });
        connect(connection, &HttpConnection::requestRefused, this,
                [this, connection](int status, const QString& message) {
                    Q_EMIT requestRefused(connection, status, message);
                });
        connect(connection, &HttpConnection::closed, this, [this, connection] {
            if (connection->property("gone").toBool())
                return;
            connection->setProperty("gone", true);
            --m_connections;
            connection->deleteLater();
        });
    }
}
