// Incremental parser for HTTP/1.1 requests arriving on one connection. Enforces limits on the request
// line, the header section and the body before buffering them, so that a client cannot make the
// service hold more memory than the limits allow. Refuses what it does not support (chunked bodies).
#pragma once

#include "HttpRequest.h"

#include <QByteArray>
#include <QString>

#include <functional>

class HttpRequestParser
{
public:
    enum class State
    {
        NeedMore,
        Complete,
        Error,
    };

    struct BodyLimit
    {
        qint64 bytes = 0;
        QString tooLargeMessage; // answer when a request announces more than `bytes`
    };
    using BodyLimitFn = std::function<BodyLimit(const HttpRequest&)>;

    struct Limits
    {
        qsizetype maxTargetBytes = 4096;
        qsizetype maxHeaderBytes = 16 * 1024;
        int maxHeaderCount = 100;
    };

    // `bodyLimit` is asked once the headers are in, so that each endpoint can have its own limit.
    explicit HttpRequestParser(BodyLimitFn bodyLimit);
    HttpRequestParser(BodyLimitFn bodyLimit, const Limits& limits);

    // Appends received bytes and advances. After Complete, takeRequest() hands the request over and
    // the parser continues with any bytes left over (a pipelined request) on the next feed() call.
    State feed(const QByteArray& bytes);
    HttpRequest takeRequest();

    // For Error: the status code to answer with and a message for the client.
    int errorStatus() const { return m_errorStatus; }
    QString errorMessage() const { return m_errorMessage; }
    // True once the headers of the current request asked for "100-continue" and were accepted.
    bool wantsContinue() const { return m_wantsContinue; }
    void clearContinue() { m_wantsContinue = false; }
    bool hasBufferedData() const { return !m_buffer.isEmpty(); }

private:
    State fail(int status, const QString& message);
    State parseHeaders(qsizetype end);

    BodyLimitFn m_bodyLimit;
    Limits m_limits;
    QByteArray m_buffer;
    HttpRequest m_request;
    bool m_headersDone = false;
    qint64 m_contentLength = 0;
    bool m_wantsContinue = false;
    State m_state = State::NeedMore;
    int m_errorStatus = 0;
    QString m_errorMessage;
};
