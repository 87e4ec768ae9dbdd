#include "HttpRequestParser.h"

#include <QRegularExpression>

namespace {

bool isTokenChar(char c)
{
    if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
        return true;
    return QByteArrayView("!#$%&'*+-.^_`|~").contains(c);
}

bool isToken(QByteArrayView s)
{
    if (s.isEmpty())
        return false;
    for (char c : s) {
        if (!isTokenChar(c))
            return false;
    }
    return true;
}

} // namespace

HttpRequestParser::HttpRequestParser(BodyLimitFn bodyLimit)
    : HttpRequestParser(std::move(bodyLimit), Limits())
{
}

HttpRequestParser::HttpRequestParser(BodyLimitFn bodyLimit, const Limits& limits)
    : m_bodyLimit(std::move(bodyLimit))
    , m_limits(limits)
{
}

HttpRequestParser::State HttpRequestParser::fail(int status, const QString& message)
{
    m_state = State::Error;
    m_errorStatus = status;
    m_errorMessage = message;
    m_buffer.clear();
    return m_state;
}

HttpRequestParser::State HttpRequestParser::feed(const QByteArray& bytes)
{
    if (m_state == State::Error)
        return m_state;
    if (m_state == State::Complete)
        return m_state; // the caller must take the request first
    m_buffer.append(bytes);

    if (!m_headersDone) {
        // Tolerate empty lines between requests, as RFC 9112 asks.
        while (m_buffer.startsWith("\r\n"))
            m_buffer.remove(0, 2);
        const qsizetype end = m_buffer.indexOf("\r\n\r\n");
        if (end < 0) {
            if (m_buffer.size() > m_limits.maxHeaderBytes)
                return fail(431, QStringLiteral("The request headers are too large."));
            return State::NeedMore;
        }
        if (end > m_limits.maxHeaderBytes)
            return fail(431, QStringLiteral("The request headers are too large."));
        if (parseHeaders(end) == State::Error)
            return m_state;
        m_buffer.remove(0, end + 4);
        m_headersDone = true;
    }

    if (m_buffer.size() < m_contentLength)
        return State::NeedMore;
    m_request.body = m_buffer.left(m_contentLength);
    m_buffer.remove(0, m_contentLength);
    m_state = State::Complete;
    return m_state;
}

HttpRequestParser::State HttpRequestParser::parseHeaders(qsizetype end)
{
    const QList<QByteArray> lines = m_buffer.left(end).split('\n');
    m_request = HttpRequest();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].endsWith('\r') && i + 1 < lines.size())
            return fail(400, QStringLiteral("The request uses bare line feeds."));
    }

    const QByteArray requestLine = lines.first().chopped(lines.size() > 1 ? 1 : 0);
    const QList<QByteArray> parts = requestLine.split(' ');
    if (parts.size() != 3 || !isToken(parts[0]))
        return fail(400, QStringLiteral("The request line is malformed."));
    if (parts[1].size() > m_limits.maxTargetBytes)
        return fail(414, QStringLiteral("The request address is too long."));
    if (!parts[1].startsWith('/'))
        return fail(400, QStringLiteral("The request address is malformed."));
    for (char c : parts[1]) {
        if (static_cast<unsigned char>(c) <= 0x20 || static_cast<unsigned char>(c) >= 0x7f)
            return fail(400, QStringLiteral("The request address is malformed."));
    }
    if (parts[2] != "HTTP/1.1" && parts[2] != "HTTP/1.0")
        return fail(505, QStringLiteral("Only HTTP/1.1 is supported."));
    m_request.method = parts[0];
    m_request.target = parts[1];
    m_request.keepAlive = parts[2] == "HTTP/1.1";

    if (lines.size() - 1 > m_limits.maxHeaderCount)
        return fail(431, QStringLiteral("The request has too many headers."));
    bool sawLength = false;
    m_contentLength = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].endsWith('\r') ? lines[i].chopped(1) : lines[i];
        if (line.startsWith(' ') || line.startsWith('\t'))
            return fail(400, QStringLiteral("The request uses folded header lines."));
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0 || !isToken(QByteArrayView(line).first(colon)))
            return fail(400, QStringLiteral("A request header is malformed."));
        const QByteArray name = line.left(colon).toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        for (char c : value) {
            if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7f)
                return fail(400, QStringLiteral("A request header is malformed."));
        }
        m_request.headers.append({name, value});

        if (name == "content-length") {
            static const QRegularExpression digits(QStringLiteral("^[0-9]{1,15}$"));
            if (!digits.match(QString::fromLatin1(value)).hasMatch())
                return fail(400, QStringLiteral("The Content-Length header is malformed."));
            const qint64 length = value.toLongLong();
            if (sawLength && length != m_contentLength)
                return fail(400, QStringLiteral("The request has conflicting Content-Length headers."));
            sawLength = true;
            m_contentLength = length;
        } else if (name == "transfer-encoding") {
            return fail(411, QStringLiteral("Chunked uploads are not supported; send a Content-Length."));
        } else if (name == "connection") {
            const QByteArray v = value.toLower();
            if (v.contains("close"))
                m_request.keepAlive = false;
            else if (v.contains("keep-alive"))
                m_request.keepAlive = true;
        }
    }

    const BodyLimit limit = m_bodyLimit ? m_bodyLimit(m_request) : BodyLimit();
    if (m_contentLength > limit.bytes)
        return fail(413, limit.tooLargeMessage.isEmpty() ? QStringLiteral("The request is too large.")
                                                         : limit.tooLargeMessage);
    m_wantsContinue = m_request.header("expect").toLower() == "100-continue" && m_contentLength > 0;
    return State::NeedMore;
}

HttpRequest HttpRequestParser::takeRequest()
{
    HttpRequest request = std::move(m_request);
    m_request = HttpRequest();
    m_headersDone = false;
    m_contentLength = 0;
    m_wantsContinue = false;
    m_state = State::NeedMore;
    return request;
}
