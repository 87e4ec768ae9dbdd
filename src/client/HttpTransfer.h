#pragma once

// One request in flight: collects the reply body as it arrives, aborts the transfer when it stalls for
// longer than the idle timeout, when the body outgrows its limit or when the run is stopped, and
// turns the outcome into a response or an error. Emits finished() once, whatever the outcome.

#include "CancelToken.h"
#include "HttpResponse.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <exception>

class QNetworkReply;

class HttpTransfer : public QObject
{
    Q_OBJECT

public:
    // Takes the reply over; it is aborted and released with the transfer.
    HttpTransfer(QNetworkReply* reply, const CancelToken& token, std::chrono::milliseconds idleTimeout,
                 qint64 maxBodySize);
    ~HttpTransfer() override;

    bool isFinished() const { return m_finished; }
    // The whole answer, whatever its HTTP status; throws the failure when there is none.
    HttpResponse takeResponse();

Q_SIGNALS:
    void finished();

private:
    enum class Abort
    {
        none,
        cancelled,
        timedOut,
        tooLarge,
    };

    void onMetaData();
    void onReadyRead();
    void onFinished();
    void abortWith(Abort reason);
    void keepAlive();
    std::exception_ptr failure() const;

    QNetworkReply* m_reply;
    QTimer m_idleTimer;
    std::chrono::milliseconds m_idleTimeout;
    qint64 m_maxBodySize;
    QByteArray m_body;
    Abort m_abort = Abort::none;
    bool m_finished = false;
};
