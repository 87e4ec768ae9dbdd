#include "HttpTransfer.h"

#include "CancelledError.h"
#include "TransportError.h"

#include <QLocale>
#include <QNetworkReply>

#include <algorithm>

namespace {

// Qt reports an HTTP error status as a reply error, but a reply with a status is an answer, which
// the caller judges; only these errors come from the status alone.
bool isHttpStatusError(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::ContentAccessDenied:
    case QNetworkReply::ContentOperationNotPermittedError:
    case QNetworkReply::ContentNotFoundError:
    case QNetworkReply::AuthenticationRequiredError:
    case QNetworkReply::ContentConflictError:
    case QNetworkReply::ContentGoneError:
    case QNetworkReply::UnknownContentError:
    case QNetworkReply::ProtocolInvalidOperationError:
    case QNetworkReply::InternalServerError:
    case QNetworkReply::OperationNotImplementedError:
    case QNetworkReply::ServiceUnavailableError:
    case QNetworkReply::UnknownServerError:
        return true;
    default:
        return false;
    }
}

TransportError connectionLost()
{
    return TransportError(TransportError::Reason::network,
                          QStringLiteral("The connection to the service was closed before it answered."));
}

QString sizeText(qint64 bytes)
{
    return QLocale::c().formattedDataSize(bytes, 0, QLocale::DataSizeIecFormat);
}

} // namespace

HttpTransfer::HttpTransfer(QNetworkReply* reply, const CancelToken& token, std::chrono::milliseconds idleTimeout,
                           qint64 maxBodySize)
    : m_reply(reply)
    , m_idleTimeout(idleTimeout)
    , m_maxBodySize(maxBodySize)
{
    // Qt would otherwise read a large result into its own buffers faster than we collect it, holding
    // it twice; a bounded buffer makes the socket wait for us.
    m_reply->setReadBufferSize(qint64(4) * 1024 * 1024);
    m_idleTimer.setSingleShot(true);
    // Never before the full timeout: a coarse timer may fire a little early.
    m_idleTimer.setTimerType(Qt::PreciseTimer);
    m_idleTimer.setInterval(idleTimeout);
    connect(&m_idleTimer, &QTimer::timeout, this, [this] { abortWith(Abort::timedOut); });

    // Any movement in either direction proves the transfer alive: a large upload on a slow line must not
    // fail for being slow, only for standing still.
    connect(m_reply, &QNetworkReply::uploadProgress, this, &HttpTransfer::keepAlive);
    connect(m_reply, &QNetworkReply::downloadProgress, this, &HttpTransfer::keepAlive);
    connect(m_reply, &QNetworkReply::redirected, this, &HttpTransfer::keepAlive);
    connect(m_reply, &QNetworkReply::encrypted, this, &HttpTransfer::keepAlive);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &HttpTransfer::onMetaData);
    connect(m_reply, &QNetworkReply::readyRead, this, &HttpTransfer::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &HttpTransfer::onFinished);
    token.onCancel(this, [this] { abortWith(Abort::cancelled); });
    m_idleTimer.start();
}

HttpTransfer::~HttpTransfer()
{
    m_reply->disconnect(this);
    if (m_reply->isRunning()) {
        m_reply->abort();
    }
    m_reply->deleteLater();
}

void HttpTransfer::keepAlive()
{
    if (!m_finished) {
        m_idleTimer.start();
    }
}

void HttpTransfer::onMetaData()
{
    keepAlive();
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (!length.isValid()) {
        return;
    }
    const qint64 announced = length.toLongLong();
    if (announced > m_maxBodySize) {
        abortWith(Abort::tooLarge);
    } else if (announced > m_body.capacity()) {
        // One allocation for the whole body instead of repeated growth; an announced size is only a
        // promise, so a huge one does not get reserved up front.
        constexpr qint64 largestReservation = qint64(512) * 1024 * 1024;
        m_body.reserve(std::min(announced, largestReservation));
    }
}

void HttpTransfer::onReadyRead()
{
    keepAlive();
    if (m_abort != Abort::none) {
        return;
    }
    if (m_body.size() + m_reply->bytesAvailable() > m_maxBodySize) {
        abortWith(Abort::tooLarge);
        return;
    }
    m_body.append(m_reply->readAll());
}

void HttpTransfer::abortWith(Abort reason)
{
    if (m_finished || m_abort != Abort::none) {
        return;
    }
    m_abort = reason;
    m_idleTimer.stop();
    m_reply->abort();
}

void HttpTransfer::onFinished()
{
    if (m_finished) {
        return;
    }
    onReadyRead();
    m_finished = true;
    m_idleTimer.stop();
    Q_EMIT finished();
}

std::exception_ptr HttpTransfer::failure() const
{
    switch (m_abort) {
    case Abort::cancelled:
        return std::make_exception_ptr(CancelledError());
    case Abort::timedOut: {
        const double seconds = static_cast<double>(m_idleTimeout.count()) / 1000.0;
        return std::make_exception_ptr(
            TransportError(TransportError::Reason::timeout,
                           QStringLiteral("The connection timed out: no data moved for %1 seconds.").arg(seconds)));
    }
    case Abort::tooLarge:
        return std::make_exception_ptr(
            TransportError(TransportError::Reason::tooLarge,
                           QStringLiteral("The reply is larger than %1, the most this program accepts.")
                               .arg(sizeText(m_maxBodySize))));
    case Abort::none:
        break;
    }
    const QNetworkReply::NetworkError error = m_reply->error();
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (error == QNetworkReply::NoError || (status.isValid() && isHttpStatusError(error))) {
        return {};
    }
    // A body-keeping redirect of an upload: Qt would send the body again, which an upload body refuses;
    // the caller decides whether to follow it.
    const int code = status.toInt();
    if (error == QNetworkReply::ContentReSendError && (code == 307 || code == 308)) {
        return {};
    }
    if (error == QNetworkReply::ContentReSendError) {
        // Qt tried to send an upload again, which its body refuses: the connection was lost.
        return std::make_exception_ptr(connectionLost());
    }
    if (error == QNetworkReply::InsecureRedirectError) {
        return std::make_exception_ptr(
            TransportError(TransportError::Reason::insecureAddress,
                           QStringLiteral("The service redirected the request to an address it may not go to.")));
    }
    return std::make_exception_ptr(TransportError(TransportError::Reason::network, m_reply->errorString()));
}

HttpResponse HttpTransfer::takeResponse()
{
    Q_ASSERT(m_finished);
    if (const std::exception_ptr error = failure()) {
        std::rethrow_exception(error);
    }
    HttpResponse response;
    response.statusCode = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray location = m_reply->rawHeader("Location");
    if (!location.isEmpty()) {
        response.location = m_reply->url().resolved(QUrl::fromEncoded(location));
    }
    response.body = std::exchange(m_body, QByteArray());
    return response;
}
