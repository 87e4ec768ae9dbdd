#include "client/CancelToken.h"

#include <QTimer>

#include <utility>

void CancelState::cancel()
{
    if (!m_cancelled.exchange(true, std::memory_order_acq_rel)) {
        Q_EMIT cancelled();
    }
}

CancelToken::CancelToken()
    : m_state(std::make_shared<CancelState>())
{
}

CancelToken::CancelToken(std::shared_ptr<CancelState> state)
    : m_state(std::move(state))
{
}

bool CancelToken::isCancelled() const
{
    return m_state->isCancelled();
}

QMetaObject::Connection CancelToken::onCancel(const QObject* context, std::function<void()> callback) const
{
    if (m_state->isCancelled()) {
        QTimer::singleShot(0, context, std::move(callback));
        return {};
    }
    return QObject::connect(m_state.get(), &CancelState::cancelled, context, std::move(callback),
                            Qt::SingleShotConnection);
}

CancellationSource::CancellationSource()
    : m_state(std::make_shared<CancelState>())
{
}

CancelToken CancellationSource::token() const
{
    return CancelToken(m_state);
}

void CancellationSource::cancel()
{
    m_state->cancel();
}

bool CancellationSource::isCancelled() const
{
    return m_state->isCancelled();
}
