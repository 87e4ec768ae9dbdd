#include "client/HttpTransfer.h"

#include "client/CancelledError.h"
#include "client/CurlMulti.h"
#include "client/TransportError.h"
#include "client/UploadBody.h"

#include <QIODevice>
#include <QLocale>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

QString sizeText(qint64 bytes)
{
    return QLocale::c().formattedDataSize(bytes, 0, QLocale::DataSizeIecFormat);
}

// An announced size is only a promise: a huge one does not get reserved up front.
constexpr qint64 largestReservation = qint64(512) * 1024 * 1024;

} // namespace

HttpTransfer::HttpTransfer(CurlMulti* multi, CURL* easy, QByteArray contentType, std::shared_ptr<UploadBody> body,
                           QIODevice* destination, const CancelToken& token, std::chrono::milliseconds idleTimeout,
                           qint64 maxBodySize)
    : m_multi(multi)
    , m_easy(easy)
    , m_upload(std::move(body))
    , m_destination(destination)
    , m_maxBodySize(maxBodySize)
    , m_idleTimeout(idleTimeout)
{
    curl_easy_setopt(m_easy, CURLOPT_PRIVATE, this);
    curl_easy_setopt(m_easy, CURLOPT_ERRORBUFFER, m_errorText);
    curl_easy_setopt(m_easy, CURLOPT_WRITEFUNCTION, &HttpTransfer::onWrite);
    curl_easy_setopt(m_easy, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(m_easy, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(m_easy, CURLOPT_XFERINFOFUNCTION, &HttpTransfer::onProgress);
    curl_easy_setopt(m_easy, CURLOPT_XFERINFODATA, this);
    if (m_upload) {
        m_headers = curl_slist_append(m_headers, QByteArray("Content-Type: " + contentType).constData());
        // The body goes out at once, without first asking whether the server wants it.
        m_headers = curl_slist_append(m_headers, "Expect:");
        curl_easy_setopt(m_easy, CURLOPT_HTTPHEADER, m_headers);
        curl_easy_setopt(m_easy, CURLOPT_POST, 1L);
        curl_easy_setopt(m_easy, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(m_upload->size()));
        curl_easy_setopt(m_easy, CURLOPT_READFUNCTION, &HttpTransfer::onRead);
        curl_easy_setopt(m_easy, CURLOPT_READDATA, this);
        curl_easy_setopt(m_easy, CURLOPT_SEEKFUNCTION, &HttpTransfer::onSeek);
        curl_easy_setopt(m_easy, CURLOPT_SEEKDATA, this);
    } else {
        curl_easy_setopt(m_easy, CURLOPT_HTTPGET, 1L);
    }

    // Never before the full timeout: a coarse timer may fire a little early.
    m_idleTimer.setSingleShot(true);
    m_idleTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_idleTimer, &QTimer::timeout, this, &HttpTransfer::checkIdle);
    token.onCancel(this, [this] { abortWith(Abort::cancelled); });
    touch();
    m_idleTimer.start(m_idleTimeout);
    if (!m_multi->add(m_easy)) {
        m_result = CURLE_FAILED_INIT;
        settle();
    }
}

HttpTransfer::~HttpTransfer()
{
    if (m_multi) {
        m_multi->remove(m_easy);
    }
    curl_easy_cleanup(m_easy);
    curl_slist_free_all(m_headers);
}

size_t HttpTransfer::onRead(char* buffer, size_t size, size_t count, void* self)
{
    auto* transfer = static_cast<HttpTransfer*>(self);
    const qint64 read = transfer->m_upload->read(buffer, qint64(size * count));
    if (read < 0) {
        transfer->m_abort = Abort::uploadFailed;
        return CURL_READFUNC_ABORT;
    }
    transfer->touch();
    return size_t(read);
}

// curl rewinds a body to send the request again on a new connection; it may do so only while none
// of the body has gone out.
int HttpTransfer::onSeek(void* self, curl_off_t offset, int origin)
{
    auto* transfer = static_cast<HttpTransfer*>(self);
    return offset == 0 && origin == SEEK_SET && transfer->m_upload->rewind() ? CURL_SEEKFUNC_OK
                                                                             : CURL_SEEKFUNC_CANTSEEK;
}

size_t HttpTransfer::onWrite(char* data, size_t size, size_t count, void* self)
{
    auto* transfer = static_cast<HttpTransfer*>(self);
    return transfer->take(data, qint64(size * count)) ? size * count : 0;
}

// Any movement in either direction proves the transfer alive: a large upload on a slow line must not
// fail for being slow, only for standing still.
int HttpTransfer::onProgress(void* self, curl_off_t, curl_off_t downloaded, curl_off_t, curl_off_t uploaded)
{
    auto* transfer = static_cast<HttpTransfer*>(self);
    const qint64 moved = qint64(downloaded) + qint64(uploaded);
    if (moved != transfer->m_moved) {
        transfer->m_moved = moved;
        transfer->touch();
    }
    return 0;
}

bool HttpTransfer::take(const char* data, qint64 length)
{
    touch();
    if (m_received + length > m_maxBodySize) {
        m_abort = Abort::tooLarge;
        return false;
    }
    m_received += length;
    if (!m_bodyBegun && !beginBody()) {
        return false;
    }
    if (m_destination == nullptr) {
        m_body.append(data, length);
    } else if (m_keepsBody && m_destination->write(data, length) != length) {
        m_writeFailed = true;
        m_abort = Abort::writeFailed;
        return false;
    }
    return true;
}

// The first bytes of the final answer's body.
bool HttpTransfer::beginBody()
{
    m_bodyBegun = true;
    curl_off_t announced = -1;
    curl_easy_getinfo(m_easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &announced);
    if (announced > m_maxBodySize) {
        m_abort = Abort::tooLarge;
        return false;
    }
    if (m_destination == nullptr) {
        if (announced > 0) {
            m_body.reserve(std::min(qint64(announced), largestReservation));
        }
        return true;
    }
    long status = 0;
    curl_easy_getinfo(m_easy, CURLINFO_RESPONSE_CODE, &status);
    // An error page is no result: it is counted but not kept, and the caller judges the status.
    m_keepsBody = status >= 200 && status <= 299;
    return true;
}

void HttpTransfer::checkIdle()
{
    if (m_finished) {
        return;
    }
    const auto quiet = std::chrono::steady_clock::now() - m_lastActivity;
    if (quiet < m_idleTimeout) {
        m_idleTimer.start(std::chrono::ceil<std::chrono::milliseconds>(m_idleTimeout - quiet));
        return;
    }
    abortWith(Abort::timedOut);
}

void HttpTransfer::abortWith(Abort reason)
{
    if (m_finished || m_abort != Abort::none) {
        return;
    }
    m_abort = reason;
    m_result = CURLE_ABORTED_BY_CALLBACK;
    settle();
}

void HttpTransfer::complete(CURLcode result)
{
    if (m_finished) {
        return;
    }
    m_result = result;
    settle();
}

void HttpTransfer::settle()
{
    m_finished = true;
    m_idleTimer.stop();
    if (m_multi) {
        m_multi->remove(m_easy);
    }
    long status = 0;
    curl_easy_getinfo(m_easy, CURLINFO_RESPONSE_CODE, &status);
    m_statusCode = int(status);
    char* location = nullptr;
    if (curl_easy_getinfo(m_easy, CURLINFO_REDIRECT_URL, &location) == CURLE_OK && location != nullptr) {
        m_location = QUrl::fromEncoded(QByteArray(location));
    }
    // From the event loop: the awaiting coroutine must not run inside this call, which may come from
    // curl's own loop or from a cancellation.
    QMetaObject::invokeMethod(
        this, [this] { Q_EMIT finished(); }, Qt::QueuedConnection);
}

HttpResponse HttpTransfer::takeResponse()
{
    Q_ASSERT(m_finished);
    switch (m_abort) {
    case Abort::cancelled:
        throw CancelledError();
    case Abort::timedOut: {
        const double seconds = static_cast<double>(m_idleTimeout.count()) / 1000.0;
        throw TransportError(
            TransportError::Reason::timeout,
            TransportError::tr("The connection timed out: no data moved for %1 seconds.").arg(seconds));
    }
    case Abort::tooLarge:
        throw TransportError(TransportError::Reason::tooLarge,
                             TransportError::tr("The reply is larger than %1, the most this program accepts.")
                                 .arg(sizeText(m_maxBodySize)));
    case Abort::uploadFailed:
        std::rethrow_exception(m_upload->failure());
    case Abort::writeFailed:
        // An answer all the same; that it was not kept shows in `saved`.
        break;
    case Abort::none:
        if (m_result != CURLE_OK) {
            throw transportError();
        }
        break;
    }
    HttpResponse response;
    response.statusCode = m_statusCode;
    response.body = std::exchange(m_body, QByteArray());
    response.bodySize = m_received;
    response.saved = m_destination != nullptr && m_keepsBody && !m_writeFailed && m_received > 0;
    response.location = m_location;
    return response;
}

TransportError HttpTransfer::transportError() const
{
    char* address = nullptr;
    curl_easy_getinfo(m_easy, CURLINFO_EFFECTIVE_URL, &address);
    const QString host = QUrl::fromEncoded(QByteArray(address != nullptr ? address : "")).host();
    const QString detail = m_errorText[0] != '\0' ? QString::fromUtf8(m_errorText).trimmed()
                                                  : QString::fromUtf8(curl_easy_strerror(m_result));
    using Reason = TransportError::Reason;
    switch (m_result) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return TransportError(Reason::network, TransportError::tr("The server “%1” could not be found.").arg(host));
    case CURLE_COULDNT_RESOLVE_PROXY:
        return TransportError(Reason::network, TransportError::tr("The proxy server could not be found."));
    case CURLE_COULDNT_CONNECT:
        return TransportError(Reason::network, TransportError::tr("Could not connect to the server “%1”.").arg(host));
    case CURLE_OPERATION_TIMEDOUT: {
        const double seconds = static_cast<double>(m_idleTimeout.count()) / 1000.0;
        return TransportError(
            Reason::timeout,
            TransportError::tr("The connection timed out: no data moved for %1 seconds.").arg(seconds));
    }
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_CRL_BADFILE:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS:
        return TransportError(
            Reason::network,
            TransportError::tr("The secure connection to “%1” could not be established: %2.").arg(host, detail));
    // Only a redirect can lead to an address that is not https: every request starts at one.
    case CURLE_UNSUPPORTED_PROTOCOL:
        return TransportError(Reason::insecureAddress,
                              TransportError::tr("The service redirected the request to an address it may not go to."));
    case CURLE_TOO_MANY_REDIRECTS:
        return TransportError(Reason::network, TransportError::tr("Too many redirects."));
    case CURLE_GOT_NOTHING:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_PARTIAL_FILE:
    case CURLE_SEND_FAIL_REWIND:
        return TransportError(Reason::network,
                              m_statusCode == 0
                                  ? TransportError::tr("The connection to the service was closed before it answered.")
                                  : TransportError::tr("The connection was closed before the whole reply arrived."));
    default:
        return TransportError(Reason::network, detail);
    }
}
