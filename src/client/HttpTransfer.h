#pragma once

// One request in flight on libcurl. It hands its body to the connection as the connection takes it,
// keeps the reply body in memory up to its limit or streams it into the destination device, aborts
// when nothing has moved for the idle timeout, when the body outgrows its limit or when the run is
// stopped, and turns the outcome into a response or an error. Emits finished() once, from the event
// loop, whatever the outcome.
//
// A reply is streamed into the destination only when its status is 2xx; what becomes of the bytes
// there, after a failure as after success, is the caller's.

#include "client/CancelToken.h"
#include "client/HttpResponse.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <chrono>
#include <curl/curl.h>
#include <memory>

class CurlMulti;
class QIODevice;
class TransportError;
class UploadBody;

class HttpTransfer : public QObject
{
    Q_OBJECT

public:
    // Takes `easy` over, with its address and connection settings made; sends `body` as a POST of
    // `contentType`, or makes a GET without one. The reply goes into `destination`, open for writing,
    // or into memory without one; the device must outlive the transfer. Starts at once.
    HttpTransfer(CurlMulti* multi, CURL* easy, QByteArray contentType, std::shared_ptr<UploadBody> body,
                 QIODevice* destination, const CancelToken& token, std::chrono::milliseconds idleTimeout,
                 qint64 maxBodySize);
    ~HttpTransfer() override;

    bool isFinished() const { return m_finished; }
    // The whole answer, whatever its HTTP status; throws the failure when there is none.
    HttpResponse takeResponse();

    // The transfer has ended with `result` (called by CurlMulti).
    void complete(CURLcode result);

Q_SIGNALS:
    void finished();

private:
    enum class Abort
    {
        none,
        cancelled,
        timedOut,
        tooLarge,
        uploadFailed,
        writeFailed,
    };

    static size_t onRead(char* buffer, size_t size, size_t count, void* self);
    static int onSeek(void* self, curl_off_t offset, int origin);
    static size_t onWrite(char* data, size_t size, size_t count, void* self);
    static int onProgress(void* self, curl_off_t, curl_off_t downloaded, curl_off_t, curl_off_t uploaded);

    bool take(const char* data, qint64 length);
    bool beginBody();
    void touch() { m_lastActivity = std::chrono::steady_clock::now(); }
    void checkIdle();
    void abortWith(Abort reason);
    void settle();
    TransportError transportError() const;

    QPointer<CurlMulti> m_multi;
    CURL* m_easy;
    curl_slist* m_headers = nullptr;
    std::shared_ptr<UploadBody> m_upload;
    QIODevice* m_destination;
    // Whether the body goes into the destination: it is a result.
    bool m_keepsBody = false;
    bool m_writeFailed = false;
    QByteArray m_body;
    qint64 m_received = 0;
    qint64 m_moved = 0;
    bool m_bodyBegun = false;
    qint64 m_maxBodySize;
    std::chrono::milliseconds m_idleTimeout;
    std::chrono::steady_clock::time_point m_lastActivity;
    QTimer m_idleTimer;
    Abort m_abort = Abort::none;
    CURLcode m_result = CURLE_OK;
    int m_statusCode = 0;
    QUrl m_location;
    bool m_finished = false;
    char m_errorText[CURL_ERROR_SIZE] = {};
};
