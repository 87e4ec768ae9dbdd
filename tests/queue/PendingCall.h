#pragma once

// One call of the scripted optimizer, held open until the test settles it. Settling resumes the
// waiting caller at once, inside the settling call, so a test sees the outcome applied on the next
// line. Like a transfer, the call fails with a cancellation when its token fires, unless told to
// ignore the token (a call whose last request was already answered when Stop came).

#include "CancelToken.h"
#include "DownloadedFile.h"
#include "TovalinOptions.h"

#include <QList>
#include <QObject>
#include <QUrl>
#include <qcoro/qcorotask.h>

#include <coroutine>
#include <exception>
#include <memory>
#include <optional>

class PendingCall : public QObject
{
public:
    enum class OnCancel
    {
        failAtOnce, // the cancellation arrives inside the cancel() call itself
        failLater,  // the cancellation arrives on a later turn of the event loop
        ignore,     // the call runs on until the test settles it
    };

    PendingCall(QUrl file, TovalinOptions options, CancelToken token, OnCancel onCancel);

    QUrl file() const { return m_file; }
    const TovalinOptions& options() const { return m_options; }
    const CancelToken& token() const { return m_token; }
    bool isSettled() const { return m_settled; }

    void succeed(QList<DownloadedFile> files);
    void fail(std::exception_ptr error);

    // The awaitable outcome, handed to the view model as the optimizer's task.
    static QCoro::Task<QList<DownloadedFile>> outcome(std::shared_ptr<PendingCall> call);

private:
    // Resumes the awaiting coroutine directly rather than through a queued signal.
    struct Awaiter
    {
        PendingCall* call;
        bool await_ready() const noexcept { return call->m_settled; }
        void await_suspend(std::coroutine_handle<> waiting) const noexcept { call->m_waiting = waiting; }
        void await_resume() const noexcept {}
    };

    void settle();

    QUrl m_file;
    TovalinOptions m_options;
    CancelToken m_token;
    bool m_settled = false;
    std::optional<QList<DownloadedFile>> m_files;
    std::exception_ptr m_error;
    std::coroutine_handle<> m_waiting;
};
