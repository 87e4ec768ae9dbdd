#include "ServiceGate.h"

#include "CancelledError.h"

#include <qcoro/qcorosignal.h>

#include <utility>

AppViewModel::Optimizer ServiceGate::optimizer()
{
    return [this](QUrl, TovalinOptions options, CancelToken token, OutputNames::Naming) {
        return call(this, std::move(options), std::move(token));
    };
}

QCoro::Task<QList<DownloadedFile>> ServiceGate::call(ServiceGate* gate, TovalinOptions options, CancelToken token)
{
    gate->options.append(options);
    ++gate->pending;
    if (!token.isCancelled()) {
        // Stopping the run opens the gate, as an aborted transfer would end.
        const QMetaObject::Connection connection = token.onCancel(gate, [gate] { Q_EMIT gate->opened(); });
        co_await qCoro(gate, &ServiceGate::opened);
        QObject::disconnect(connection);
    }
    --gate->pending;
    if (token.isCancelled()) {
        throw CancelledError();
    }
    co_return QList<DownloadedFile>();
}
