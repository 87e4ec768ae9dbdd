#pragma once

// Cooperative cancellation of a run. A CancellationSource belongs to the run; every client call gets
// its CancelToken. The transport aborts the request in flight when the token fires, and a request
// started after cancellation fails at once without touching the network.
//
// Tokens are cheap to copy. Cancelling happens on the main thread; isCancelled() may be read from any
// thread.

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>

class CancelState : public QObject
{
    Q_OBJECT

public:
    bool isCancelled() const { return m_cancelled.load(std::memory_order_acquire); }
    void cancel();

Q_SIGNALS:
    void cancelled();

private:
    std::atomic<bool> m_cancelled{false};
};

class CancelToken
{
public:
    // A token that is never cancelled.
    CancelToken();

    bool isCancelled() const;
    // Calls `callback` once, on `context`'s thread, when the token is cancelled; at once (queued)
    // when it already is. The connection dies with `context`.
    QMetaObject::Connection onCancel(const QObject* context, std::function<void()> callback) const;
    // The object whose cancelled() signal fires; for awaiting the cancellation itself.
    const CancelState* state() const { return m_state.get(); }

private:
    friend class CancellationSource;
    explicit CancelToken(std::shared_ptr<CancelState> state);

    std::shared_ptr<CancelState> m_state;
};

class CancellationSource
{
public:
    CancellationSource();

    CancelToken token() const;
    void cancel();
    bool isCancelled() const;

private:
    std::shared_ptr<CancelState> m_state;
};
