#include "client/CurlMulti.h"

#include "client/HttpTransfer.h"

#include <QList>
#include <QPointer>
#include <QSocketNotifier>

#include <mutex>
#include <utility>

// The notifiers of one socket. curl may close the socket as soon as it has said so, and says so from
// inside a call made by one of these notifiers, so they are switched off at once and deleted later.
class CurlMulti::SocketWatch
{
public:
    SocketWatch(curl_socket_t socket, CurlMulti* owner)
        : m_socket(socket)
        , m_owner(owner)
    {
    }

    ~SocketWatch()
    {
        for (QSocketNotifier* notifier : {m_read, m_write}) {
            if (notifier != nullptr) {
                notifier->setEnabled(false);
                notifier->deleteLater();
            }
        }
    }

    SocketWatch(const SocketWatch&) = delete;
    SocketWatch& operator=(const SocketWatch&) = delete;

    void watch(int what)
    {
        enable(m_read, QSocketNotifier::Read, CURL_CSELECT_IN, what == CURL_POLL_IN || what == CURL_POLL_INOUT);
        enable(m_write, QSocketNotifier::Write, CURL_CSELECT_OUT, what == CURL_POLL_OUT || what == CURL_POLL_INOUT);
    }

private:
    void enable(QSocketNotifier*& notifier, QSocketNotifier::Type type, int event, bool on)
    {
        if (notifier == nullptr) {
            if (!on) {
                return;
            }
            notifier = new QSocketNotifier(qintptr(m_socket), type, m_owner);
            const curl_socket_t socket = m_socket;
            CurlMulti* owner = m_owner;
            QObject::connect(notifier, &QSocketNotifier::activated, owner,
                             [owner, socket, event] { owner->act(socket, event); });
        }
        notifier->setEnabled(on);
    }

    curl_socket_t m_socket;
    CurlMulti* m_owner;
    QSocketNotifier* m_read = nullptr;
    QSocketNotifier* m_write = nullptr;
};

CurlMulti::CurlMulti(QObject* parent)
    : QObject(parent)
{
    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    m_multi = curl_multi_init();
    if (m_multi == nullptr) {
        qFatal("libcurl could not set up its transfers");
    }
    // Requests in flight together share one HTTP/2 connection where the server offers it.
    curl_multi_setopt(m_multi, CURLMOPT_PIPELINING, long(CURLPIPE_MULTIPLEX));
    // Left to itself, curl keeps four idle connections for each transfer added at the moment one ends
    // and closes the oldest beyond that. A transfer here lasts one request, and while the images in
    // flight read their sources or write their results few transfers are added: with 16 images at
    // once, a third of the requests went out on a new connection, each with its full TLS handshake.
    curl_multi_setopt(m_multi, CURLMOPT_MAXCONNECTS, keptConnections);
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETFUNCTION, &CurlMulti::onSocket);
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETDATA, this);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERFUNCTION, &CurlMulti::onTimer);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERDATA, this);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] { act(CURL_SOCKET_TIMEOUT, 0); });
}

CurlMulti::~CurlMulti()
{
    // Connections kept for reuse go with the multi handle, and with them the last watches.
    curl_multi_cleanup(m_multi);
    qDeleteAll(std::exchange(m_watches, {}));
}

bool CurlMulti::add(CURL* easy)
{
    return curl_multi_add_handle(m_multi, easy) == CURLM_OK;
}

void CurlMulti::remove(CURL* easy)
{
    curl_multi_remove_handle(m_multi, easy);
}

int CurlMulti::onSocket(CURL*, curl_socket_t socket, int what, void* self, void* watch)
{
    auto* owner = static_cast<CurlMulti*>(self);
    auto* socketWatch = static_cast<SocketWatch*>(watch);
    if (what == CURL_POLL_REMOVE) {
        owner->m_watches.remove(socketWatch);
        delete socketWatch;
        curl_multi_assign(owner->m_multi, socket, nullptr);
        return 0;
    }
    if (socketWatch == nullptr) {
        socketWatch = new SocketWatch(socket, owner);
        owner->m_watches.insert(socketWatch);
        curl_multi_assign(owner->m_multi, socket, socketWatch);
    }
    socketWatch->watch(what);
    return 0;
}

int CurlMulti::onTimer(CURLM*, long timeoutMs, void* self)
{
    auto* owner = static_cast<CurlMulti*>(self);
    // Never act from inside curl: even a timeout of zero waits for the next turn of the loop.
    if (timeoutMs < 0) {
        owner->m_timer.stop();
    } else {
        owner->m_timer.start(int(timeoutMs));
    }
    return 0;
}

void CurlMulti::act(curl_socket_t socket, int events)
{
    int running = 0;
    curl_multi_socket_action(m_multi, socket, events, &running);
    completeFinished();
}

void CurlMulti::completeFinished()
{
    // Collected first: completing a transfer removes its handle, which ends the messages' life.
    QList<std::pair<QPointer<HttpTransfer>, CURLcode>> finished;
    int left = 0;
    while (CURLMsg* message = curl_multi_info_read(m_multi, &left)) {
        if (message->msg != CURLMSG_DONE) {
            continue;
        }
        char* transfer = nullptr;
        curl_easy_getinfo(message->easy_handle, CURLINFO_PRIVATE, &transfer);
        finished.append({QPointer<HttpTransfer>(reinterpret_cast<HttpTransfer*>(transfer)), message->data.result});
    }
    for (const auto& [transfer, result] : std::as_const(finished)) {
        if (transfer) {
            transfer->complete(result);
        }
    }
}
