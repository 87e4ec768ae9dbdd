#include "HttpTransport.h"

#include "CancelledError.h"
#include "HttpTransfer.h"
#include "ServiceConfig.h"
#include "SystemProxyFactory.h"
#include "TransportError.h"
#include "UploadBody.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QThread>
#include <QThreadPool>
#include <qcoro/qcorosignal.h>

#include <utility>

namespace {

constexpr int maximumRedirects = 10;

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
        throw TransportError(TransportError::Reason::insecureAddress,
                             QStringLiteral("Refused to connect to “%1”: only secure (https) addresses are allowed.")
                                 .arg(url.toDisplayString(QUrl::RemoveUserInfo)));
    }
}

} // namespace

HttpTransport::HttpTransport(QList<QSslCertificate> extraCaCertificates, std::chrono::milliseconds idleTimeout,
                             SystemCertificates systemCertificates, QObject* parent)
    : QObject(parent)
    , m_manager(new QNetworkAccessManager(this))
    , m_extraCaCertificates(std::move(extraCaCertificates))
    , m_sslConfiguration(QSslConfiguration::defaultConfiguration())
    , m_idleTimeout(idleTimeout)
{
    // Trusted by this transport only; the process-wide default configuration stays as the system has it.
    // Adding certificates turns off Qt's loading of the system's on demand, so the system's come along.
    if (systemCertificates == SystemCertificates::ignored) {
        m_sslConfiguration.setCaCertificates(m_extraCaCertificates);
    } else if (!m_extraCaCertificates.isEmpty()) {
        m_sslConfiguration.setCaCertificates(QSslConfiguration::systemCaCertificates() + m_extraCaCertificates);
    }
    m_manager->setProxyFactory(new SystemProxyFactory);
    m_manager->setAutoDeleteReplies(false);
}

HttpTransport::~HttpTransport() = default;

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

QNetworkRequest HttpTransport::makeRequest(const QUrl& url) const
{
    QNetworkRequest request(url);
    request.setSslConfiguration(m_sslConfiguration);
    request.setMaximumRedirectsAllowed(maximumRedirects);
    return request;
}

QCoro::Task<HttpResponse> HttpTransport::dataFor(QUrl url, QByteArray contentType, QByteArray body, CancelToken token,
                                                 qint64 maxBodySize)
{
    Q_ASSERT(QThread::currentThread() == thread());
    if (token.isCancelled()) {
        throw CancelledError();
    }
    requireHttps(url);
    // Redirects are followed here rather than by Qt: only those that keep the method and the body
    // (307, 308), only within the origin the API key was meant for, and each as one new request.
    QUrl target = url;
    for (int redirects = 0;; ++redirects) {
        QNetworkRequest request = makeRequest(target);
        request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
        request.setHeader(QNetworkRequest::ContentLengthHeader, body.size());
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        // Streamed from our one copy; without this Qt would first buffer a sequential body in full.
        request.setAttribute(QNetworkRequest::DoNotBufferUploadDataAttribute, true);
        auto* device = new UploadBody(body);
        QNetworkReply* reply = m_manager->post(request, device);
        device->setParent(reply);
        QPointer<UploadBody> sent(device);
        HttpTransfer transfer(reply, token, m_idleTimeout, maxBodySize);
        co_await qCoro(&transfer, &HttpTransfer::finished);
        if (sent) {
            sent->release();
        }
        HttpResponse response = transfer.takeResponse();
        const bool keepsBody = response.statusCode == 307 || response.statusCode == 308;
        if (!keepsBody || !response.location.isValid()) {
            // Freeing a large buffer unmaps it page by page: not on the UI thread.
            QThreadPool::globalInstance()->start([released = std::move(body)]() mutable { released = QByteArray(); });
            co_return response;
        }
        const bool sameOrigin = response.location.scheme() == url.scheme() && response.location.host() == url.host() &&
                                response.location.port(443) == url.port(443);
        if (!sameOrigin) {
            throw TransportError(TransportError::Reason::insecureAddress,
                                 QStringLiteral("The service redirected the request to an address it may not go to."));
        }
        if (redirects == maximumRedirects) {
            throw TransportError(TransportError::Reason::network, QStringLiteral("Too many redirects."));
        }
        target = response.location;
    }
}

QCoro::Task<HttpResponse> HttpTransport::dataFrom(QUrl url, CancelToken token, qint64 maxBodySize)
{
    Q_ASSERT(QThread::currentThread() == thread());
    if (token.isCancelled()) {
        throw CancelledError();
    }
    requireHttps(url);
    QNetworkRequest request = makeRequest(url);
    // https may lead only to https.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    HttpTransfer transfer(m_manager->get(request), token, m_idleTimeout, maxBodySize);
    co_await qCoro(&transfer, &HttpTransfer::finished);
    co_return transfer.takeResponse();
}
