#pragma once

// The program's HTTPS client: one QNetworkAccessManager on the main thread behind every request the
// service client makes. It sends only https, hands back the whole body whatever the HTTP status,
// aborts a transfer that stands still for the idle timeout or that grows past its size limit, and
// aborts the transfer in flight when the run's CancelToken fires.
//
// Call it from the thread it lives on (the main thread); the awaiting coroutine is resumed there.

#include "CancelToken.h"
#include "HttpResponse.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QUrl>
#include <qcoro/qcorotask.h>

#include <chrono>
#include <memory>

class QNetworkAccessManager;
class QNetworkRequest;

class HttpTransport : public QObject
{
    Q_OBJECT

public:
    // Far beyond any real JSON reply of the service; a bigger one is refused instead of held in memory.
    static constexpr qint64 maxReplySize = qint64(16) * 1024 * 1024;
    // Far beyond any real result image.
    static constexpr qint64 maxDownloadSize = qint64(2) * 1024 * 1024 * 1024;

    enum class SystemCertificates
    {
        trusted,
        // Only `extraCaCertificates` are trusted: for tests, whose server has its own CA.
        ignored,
    };

    // `extraCaCertificates` are trusted by this transport in addition to the system's.
    explicit HttpTransport(QList<QSslCertificate> extraCaCertificates = {},
                           std::chrono::milliseconds idleTimeout = std::chrono::seconds(60),
                           SystemCertificates systemCertificates = SystemCertificates::trusted,
                           QObject* parent = nullptr);
    ~HttpTransport() override;

    // The process-wide transport, made on first use with the certificate embedded at build time.
    // Released when the application object goes.
    static std::shared_ptr<HttpTransport> shared();

    std::chrono::milliseconds idleTimeout() const { return m_idleTimeout; }
    QList<QSslCertificate> extraCaCertificates() const { return m_extraCaCertificates; }
    // The TLS settings every request of this transport carries.
    QSslConfiguration sslConfiguration() const { return m_sslConfiguration; }

    // POST of `body` with the given content type. The request carries the API key, so redirects are
    // followed only within the same origin. Throws TransportError, or CancelledError once `token` fires.
    QCoro::Task<HttpResponse> dataFor(QUrl url, QByteArray contentType, QByteArray body, CancelToken token,
                                      qint64 maxBodySize = maxReplySize);
    // Plain GET; redirects are followed to https addresses only.
    QCoro::Task<HttpResponse> dataFrom(QUrl url, CancelToken token, qint64 maxBodySize = maxDownloadSize);

private:
    QNetworkRequest makeRequest(const QUrl& url) const;

    QNetworkAccessManager* m_manager;
    QList<QSslCertificate> m_extraCaCertificates;
    QSslConfiguration m_sslConfiguration;
    std::chrono::milliseconds m_idleTimeout;
};
