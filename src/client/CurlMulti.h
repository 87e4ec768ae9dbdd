#pragma once

// Drives libcurl's multi interface from the event loop of the thread it lives on: one socket notifier
// for each direction curl wants to watch on a socket, and one timer for curl's own timeouts. Transfers
// move only when their sockets are ready, so they need no thread of their own and never block the loop.
//
// Every easy handle carries its HttpTransfer as CURLOPT_PRIVATE; the transfer hears of its end through
// HttpTransfer::complete(), called outside of any curl callback.

#include <QObject>
#include <QSet>
#include <QTimer>

#include <curl/curl.h>

class CurlMulti : public QObject
{
    Q_OBJECT

public:
    // Idle connections kept for reuse: one for every request that may be in flight at once (16 images,
    // each one request at a time), to the service and to a second host serving its results.
    static constexpr long keptConnections = 32;

    explicit CurlMulti(QObject* parent = nullptr);
    ~CurlMulti() override;

    // Starts the transfer; false when curl refused it.
    bool add(CURL* easy);
    // Stops the transfer, whether or not it has ended; nothing more is heard of it.
    void remove(CURL* easy);

private:
    class SocketWatch;

    static int onSocket(CURL* easy, curl_socket_t socket, int what, void* self, void* watch);
    static int onTimer(CURLM* multi, long timeoutMs, void* self);
    void act(curl_socket_t socket, int events);
    void completeFinished();

    CURLM* m_multi;
    QSet<SocketWatch*> m_watches;
    QTimer m_timer;
};
