// One client connection of the service: reads requests through HttpRequestParser, hands each to the
// server, and writes the answer whenever it is ready, which may be long after the request arrived.
// Requests on one connection are answered in order, one at a time.
#pragma once

#include "HttpRequest.h"
#include "HttpRequestParser.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QSslSocket;

class HttpConnection : public QObject
{
    Q_OBJECT

public:
    HttpConnection(QSslSocket* socket, HttpRequestParser::BodyLimitFn bodyLimit, QObject* parent = nullptr);
    ~HttpConnection() override;

    // Answers the current request. Ignored when the connection has gone or nothing is pending.
    void respond(int status, const QByteArray& contentType, const QByteArray& body);
    QString peerAddress() const;
    bool isAwaitingResponse() const { return m_awaitingResponse; }
    // Milliseconds since the current request was complete.
    qint64 elapsedMs() const { return m_elapsed.elapsed(); }

Q_SIGNALS:
    void requestReceived(const HttpRequest& request);
    // The request could not even be parsed; already answered. Carries what the log needs.
    void requestRefused(int status, const QString& message);
    void closed();

private:
    void readAvailable(const QByteArray& extra = {});
    void writeResponse(int status, const QByteArray& contentType, const QByteArray& body, bool close);

    QPointer<QSslSocket> m_socket;
    HttpRequestParser m_parser;
    QTimer m_idleTimer;
    QElapsedTimer m_elapsed;
    bool m_awaitingResponse = false;
    bool m_closeAfterResponse = false;
    bool m_draining = false;
};
