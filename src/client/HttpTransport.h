#pragma once

// The program's HTTPS client: one libcurl multi handle, driven by the event loop of the thread it
// lives on (the main thread), behind every request the service client makes. It sends only https,
// hands back the whole answer whatever the HTTP status, streams upload bodies from disk and downloads
// into the device they are given, aborts a transfer that stands still for the idle timeout or that grows
// past its size limit, and aborts the transfer in flight when the run's CancelToken fires.
//
// Requests share what makes them cheap: connections are kept and reused, several requests go over one
// HTTP/2 connection where the server offers it (kept-alive HTTP/1.1 connections otherwise), a new
// connection resumes the TLS session of an earlier one, and every connection trusts one store of
// certificates parsed once. Requests go out without Nagle's delay.
//
// Call it from the thread it lives on; the awaiting coroutine is resumed there.

#include "client/CancelToken.h"
#include "client/HttpResponse.h"
#include "client/SystemProxyFactory.h"
#include "client/TrustStore.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QString>
#include <QUrl>
#include <qcoro/qcorotask.h>

#include <chrono>
#include <curl/curl.h>
#include <functional>
#include <memory>

class CurlMulti;
class QIODevice;
class UploadBody;

class HttpTransport : public QObject
{
    Q_OBJECT

public:
    // Far beyond any real JSON reply of the service; a bigger one is refused instead of held in memory.
    static constexpr qint64 maxReplySize = qint64(16) * 1024 * 1024;
    // Far beyond any real result image.
    static constexpr qint64 maxDownloadSize = qint64(2) * 1024 * 1024 * 1024;

    // `extraCaCertificates` are trusted by this transport in addition to the certificates of the bundle
    // `systemCaBundle`; with an empty bundle path, only the extra ones are (for tests, whose server has
    // its own authority).
    explicit HttpTransport(QList<QSslCertificate> extraCaCertificates = {},
                           std::chrono::milliseconds idleTimeout = std::chrono::seconds(60),
                           QString systemCaBundle = defaultCaBundle(), QObject* parent = nullptr);
    ~HttpTransport() override;

    // The process-wide transport, made on first use with the certificate embedded at build time.
    // Released when the application object goes.
    static std::shared_ptr<HttpTransport> shared();
    // The system's certificates, where libcurl was built to find them.
    static QString defaultCaBundle();

    std::chrono::milliseconds idleTimeout() const { return m_idleTimeout; }

    // POST of `body` with the given content type, the answer kept in memory. The request carries the API
    // key, so redirects are followed only within the same origin. Throws TransportError, FileError when
    // the body's file could not be read as it was, or CancelledError once `token` fires.
    QCoro::Task<HttpResponse> dataFor(QUrl url, QByteArray contentType, std::shared_ptr<UploadBody> body,
                                      CancelToken token, qint64 maxBodySize = maxReplySize);
    QCoro::Task<HttpResponse> dataFor(QUrl url, QByteArray contentType, QByteArray body, CancelToken token,
                                      qint64 maxBodySize = maxReplySize);
    // Plain GET whose body is streamed into `destination`, a device open for writing that outlives the
    // call: only a 2xx answer goes into it (`saved` says it took the whole body). Redirects are followed
    // to https addresses only.
    QCoro::Task<HttpResponse> download(QUrl url, QIODevice* destination, CancelToken token,
                                       qint64 maxBodySize = maxDownloadSize);

private:
    CURL* makeHandle(const QUrl& url, bool followRedirects);
    static CURLcode installTrust(CURL* easy, void* sslContext, void* self);

    CurlMulti* m_multi;
    CURLSH* m_share;
    TrustStore m_trust;
    std::chrono::milliseconds m_idleTimeout;
    SystemProxyFactory m_proxies;
};
