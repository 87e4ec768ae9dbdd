#include "ServiceGate.h"

#include "CancelledError.h"
#include "Error.h"

#include <qcoro/qcorosignal.h>

#include <memory>
#include <utility>

AppViewModel::Optimizer ServiceGate::optimizer()
{
    return [this](QUrl file, TovalinOptions options, CancelToken token) {
        return call(this, std::move(file), std::move(options), std::move(token));
    };
}

void ServiceGate::release(QList<DownloadedFile> files)
{
    m_result = std::move(files);
    m_failure.clear();
    Q_EMIT opened();
}

void ServiceGate::fail(const QString& description)
{
    m_failure = description;
    Q_EMIT opened();
}

QCoro::Task<QList<DownloadedFile>> ServiceGate::call(ServiceGate* gate, QUrl file, TovalinOptions options,
                                                     CancelToken token)
{
    gate->files.append(file);
    gate->options.append(options);
    ++gate->pending;
    if (!token.isCancelled()) {
        // Stopping the run opens the gate for this call only, as an aborted transfer would end.
        // Shared, not a reference into this frame: the frame may be gone when a late cancellation comes.
        auto cancelled = std::make_shared<bool>(false);
        const QMetaObject::Connection connection = token.onCancel(gate, [gate, cancelled] {
            *cancelled = true;
            Q_EMIT gate->opened();
        });
        co_await qCoro(gate, &ServiceGate::opened);
        QObject::disconnect(connection);
        if (*cancelled) {
            --gate->pending;
            throw CancelledError();
        }
    }
    --gate->pending;
    if (token.isCancelled()) {
        throw CancelledError();
    }
    if (!gate->m_failure.isEmpty()) {
        throw Error(gate->m_failure);
    }
    co_return gate->m_result;
}
