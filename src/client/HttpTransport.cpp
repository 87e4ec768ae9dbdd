#include "client/HttpTransport.h"

#include "client/CancelledError.h"
#include "client/CurlMulti.h"
#include "client/HttpTransfer.h"
#include "client/ServiceConfig.h"
#include "client/TransportError.h"
#include "client/UploadBody.h"
#include "model/Version.h"

#include <QCoreApplication>
#include <QNetworkProxy>
#include <QThread>
#include <qcoro/qcorosignal.h>

#include <utility>

namespace {

constexpr long maximumRedirects = 10;
// Large pieces keep the number of turns of the event loop per transfer low; small enough that one
// piece never holds the loop up.
constexpr long bufferSize = 256 * 1024;

std::shared_ptr<HttpTransport>& sharedInstance()
{
    static std::shared_ptr<HttpTransport> instance;
    return instance;
}

void releaseSharedInstance()
{
    sharedInstance().reset();
}

// The last line against sending anything, the API key above all, in the clear.
void requireHttps(const QUrl& url)
{
    if (!url.isValid() || url.scheme() != QLatin1String("https") || url.host().isEmpty()) {
        throw TransportError(
            TransportError::Reason::insecureAddress,
            TransportError::tr("Refused to connect to “%1”: only secure (https) addresses are allowed.")
                .arg(url.toDisplayString(QUrl::RemoveUserInfo)));
    }
}

QByteArray proxyAddress(const QNetworkProxy& proxy)
{
    const QByteArray hostAndPort = QUrl::toAce(proxy.hostName()) + ':' + QByteArray::number(proxy.port());
    switch (proxy.type()) {
    case QNetworkProxy::HttpProxy:
        return "http://" + hostAndPort;
    case QNetworkProxy::Socks5Proxy:
        return "socks5h://" + hostAndPort;
    default:
        // None, not even one from the environment: the system's settings have been asked already.
        return "";
    }
}

QByteArray pemOf(const QList<QSslCertificate>& certificates)
{
    QByteArray pem;
    for (const QSslCertificate& certificate : certificates) {
        pem += certificate.toPem();
    }
    return pem;
}

} // namespace

HttpTransport::HttpTransport(QList<QSslCertificate> extraCaCertificates, std::chrono::milliseconds idleTimeout,
                             QString systemCaBundle, QObject* parent)
    : QObject(parent)
    , m_multi(new CurlMulti(this))
    , m_share(curl_share_init())
    , m_trust(std::move(systemCaBundle), pemOf(extraCaCertificates))
    , m_idleTimeout(idleTimeout)
{
    if (m_share == nullptr) {
        qFatal("libcurl could not set up its shared sessions");
    }
    // Every transfer runs on this object's thread, so the shared data needs no locks.
    curl_share_setopt(m_share, CURLSHOPT_SHARE, CURL_LOCK_DATA_SSL_SESSION);
    curl_share_setopt(m_share, CURLSHOPT_SHARE, CURL_LOCK_DATA_DNS);
}

HttpTransport::~HttpTransport()
{
    // The transfers and the connections kept for reuse hold on to the shared sessions: they go first.
    delete m_multi;
    curl_share_cleanup(m_share);
}

std::shared_ptr<HttpTransport> HttpTransport::shared()
{
    std::shared_ptr<HttpTransport>& instance = sharedInstance();
    if (!instance) {
        Q_ASSERT(QCoreApplication::instance());
        Q_ASSERT(QThread::currentThread() == QCoreApplication::instance()->thread());
        QList<QSslCertificate> certificates =
            QSslCertificate::fromData(QByteArray(ServiceConfig::caCertificatesPem), QSsl::Pem);
        instance = std::make_shared<HttpTransport>(std::move(certificates));
        qAddPostRoutine(releaseSharedInstance);
    }
    return instance;
}

QString HttpTransport::defaultCaBundle()
{
    const curl_version_info_data* info = curl_version_info(CURLVERSION_NOW);
    return info->cainfo != nullptr ? QString::fromLocal8Bit(info->cainfo) : QString();
}

// Each new TLS connection gets the one store of this transport instead of loading a bundle itself.
CURLcode HttpTransport::installTrust(CURL*, void* sslContext, void* self)
{
    static_cast<HttpTransport*>(self)->m_trust.installInto(sslContext);
    return CURLE_OK;
}

CURL* HttpTransport::makeHandle(const QUrl& url, bool followRedirects)
{
    CURL* easy = curl_easy_init();
    if (easy == nullptr) {
        throw TransportError(TransportError::Reason::network,
                             TransportError::tr("The connection could not be set up."));
    }
    curl_easy_setopt(easy, CURLOPT_URL, url.toEncoded().constData());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "https");
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "https");
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_TCP_NODELAY, 1L);
    curl_easy_setopt(easy, CURLOPT_SHARE, m_share);
    // HTTP/2 where the server offers it; a request waits for a connection that can carry it beside
    // others rather than opening one more.
    curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_2TLS));
    curl_easy_setopt(easy, CURLOPT_PIPEWAIT, 1L);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, long(m_idleTimeout.count()));
    curl_easy_setopt(easy, CURLOPT_BUFFERSIZE, bufferSize);
    curl_easy_setopt(easy, CURLOPT_UPLOAD_BUFFERSIZE, bufferSize);
    curl_easy_setopt(easy, CURLOPT_ACCEPT_ENCODING, "");
    const QByteArray agent = QByteArrayLiteral("TovalinImageOptimizer/") + Version::text;
    curl_easy_setopt(easy, CURLOPT_USERAGENT, agent.constData());
    // curl loads no certificates of its own (not the bundle, nor the hashed folder beside it, which
    // holds the same ones); the connection gets the transport's store.
    curl_easy_setopt(easy, CURLOPT_CAINFO, nullptr);
    curl_easy_setopt(easy, CURLOPT_CAPATH, nullptr);
    curl_easy_setopt(easy, CURLOPT_SSL_CTX_FUNCTION, &HttpTransport::installTrust);
    curl_easy_setopt(easy, CURLOPT_SSL_CTX_DATA, this);
    const QNetworkProxy proxy = m_proxies.queryProxy(QNetworkProxyQuery(url)).value(0);
    curl_easy_setopt(easy, CURLOPT_PROXY, proxyAddress(proxy).constData());
    if (!proxy.user().isEmpty()) {
        curl_easy_setopt(easy, CURLOPT_PROXYUSERNAME, proxy.user().toUtf8().constData());
        curl_easy_setopt(easy, CURLOPT_PROXYPASSWORD, proxy.password().toUtf8().constData());
    }
    if (followRedirects) {
        curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(easy, CURLOPT_MAXREDIRS, maximumRedirects);
    }
    return easy;
}

QCoro::Task<HttpResponse> HttpTransport::dataFor(QUrl url, QByteArray contentType, QByteArray body, CancelToken token,
                                                 qint64 maxBodySize)
{
    return dataFor(std::move(url), std::move(contentType), std::make_shared<UploadBody>(std::move(body)),
                   std::move(token), maxBodySize);
}

QCoro::Task<HttpResponse> HttpTransport::dataFor(QUrl url, QByteArray contentType, std::shared_ptr<UploadBody> body,
                                                 CancelToken token, qint64 maxBodySize)
{
    Q_ASSERT(QThread::currentThread() == thread());
    if (token.isCancelled()) {
        throw CancelledError();
    }
    requireHttps(url);
    // Redirects are followed here rather than by curl: only those that keep the method and the body
    // (307, 308), only within the origin the API key was meant for, and each as one new request.
    QUrl target = url;
    for (long redirects = 0;; ++redirects) {
        body->restart();
        HttpTransfer transfer(m_multi, makeHandle(target, false), contentType, body, nullptr, token, m_idleTimeout,
                              maxBodySize);
        co_await qCoro(&transfer, &HttpTransfer::finished);
        HttpResponse response = transfer.takeResponse();
        const bool keepsBody = response.statusCode == 307 || response.statusCode == 308;
        if (!keepsBody || !response.location.isValid()) {
            co_return response;
        }
        const bool sameOrigin = response.location.scheme() == url.scheme() && response.location.host() == url.host() &&
                                response.location.port(443) == url.port(443);
        if (!sameOrigin) {
            throw TransportError(
                TransportError::Reason::insecureAddress,
                TransportError::tr("The service redirected the request to an address it may not go to."));
        }
        if (redirects == maximumRedirects) {
            throw TransportError(TransportError::Reason::network, TransportError::tr("Too many redirects."));
        }
        target = response.location;
    }
}

QCoro::Task<HttpResponse> HttpTransport::download(QUrl url, QIODevice* destination, CancelToken token,
                                                  qint64 maxBodySize)
{
    Q_ASSERT(QThread::currentThread() == thread());
    if (token.isCancelled()) {
        throw CancelledError();
    }
    requireHttps(url);
    HttpTransfer transfer(m_multi, makeHandle(url, true), QByteArray(), nullptr, destination, token, m_idleTimeout,
                          maxBodySize);
    co_await qCoro(&transfer, &HttpTransfer::finished);
    co_return transfer.takeResponse();
}
