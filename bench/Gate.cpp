#include "bench/Gate.h"

#include <qcoro/qcorosignal.h>

void Gate::open()
{
    m_open = true;
    Q_EMIT opened();
}

AppViewModel::Optimizer Gate::optimizer()
{
    return [gate = QPointer<Gate>(this)](JobRequest request, CancelToken) {
        if (gate) {
            ++gate->m_calls;
        }
        return optimize(gate, std::move(request.file));
    };
}

QCoro::Task<QList<DownloadedFile>> Gate::optimize(QPointer<Gate> gate, QUrl file)
{
    if (gate && !gate->isOpen()) {
        co_await qCoro(gate.data(), &Gate::opened);
    }
    QString base = file.toLocalFile();
    base.chop(4);
    co_return QList<DownloadedFile>{
        DownloadedFile(OutputKind::optimized, QUrl::fromLocalFile(base + QStringLiteral("-optimized.jpg"))),
        DownloadedFile(OutputKind::webp, QUrl::fromLocalFile(base + QStringLiteral(".webp"))),
    };
}
