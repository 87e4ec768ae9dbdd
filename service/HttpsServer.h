// The listening side of the service: accepts TLS connections on one address and port and turns each
// into an HttpConnection. Knows nothing about the protocol's endpoints.
#pragma once

#include "HttpRequest.h"
#include "HttpRequestParser.h"

#include <QHostAddress>
#include <QObject>
#include <QSslConfiguration>
#include <QSslServer>

#include <functional>

class HttpConnection;

class HttpsServer : public QObject
{
    Q_OBJECT

public:
    explicit HttpsServer(HttpRequestParser::BodyLimitFn bodyLimit, QObject* parent = nullptr);

    // Port 0 picks a free port; port() tells which.
    bool listen(const QHostAddress& address, quint16 port, const QSslConfiguration& ssl);
    quint16 port() const { return m_server.serverPort(); }
    QString errorString() const { return m_server.errorString(); }

    static constexpr int kMaxConnections = 64;

Q_SIGNALS:
    void requestReceived(HttpConnection* connection, const HttpRequest& request);
    void requestRefused(HttpConnection* connection, int status, const QString& message);

private:
    void acceptPending();

    QSslServer m_server;
    HttpRequestParser::BodyLimitFn m_bodyLimit;
    int m_connections = 0;
};
