#include "PendingCall.h"

#include "CancelledError.h"

#include <QTimer>

#include <utility>

PendingCall::PendingCall(QUrl file, TovalinOptions options, CancelToken token, OnCancel onCancel)
    : m_file(std::move(file))
    , m_options(std::move(options))
    , m_token(std::move(token))
{
    if (onCancel == OnCancel::ignore) {
        return;
    }
    m_token.onCancel(this, [this, onCancel] {
        const auto cancel = [this] {
            if (!m_settled) {
                fail(std::make_exception_ptr(CancelledError()));
            }
        };
        if (onCancel == OnCancel::failAtOnce) {
            cancel();
        } else {
            QTimer::singleShot(0, this, cancel);
        }
    });
}

void PendingCall::succeed(QList<DownloadedFile> files)
{
    Q_ASSERT(!m_settled);
    m_files = std::move(files);
    settle();
}

void PendingCall::fail(std::exception_ptr error)
{
    Q_ASSERT(!m_settled);
    m_error = std::move(error);
    settle();
}

void PendingCall::settle()
{
    m_settled = true;
    if (const auto waiting = std::exchange(m_waiting, {})) {
        waiting.resume();
    }
}

QCoro::Task<QList<DownloadedFile>> PendingCall::outcome(std::shared_ptr<PendingCall> call)
{
    co_await Awaiter{call.get()};
    if (call->m_error) {
        std::rethrow_exception(call->m_error);
    }
    co_return *call->m_files;
}
