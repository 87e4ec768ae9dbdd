#pragma once

// The handle of one optimization run: the cancellation that Stop fires, the run's coroutine, and the
// run's generation number, by which a stopped run that is still winding down tells that a newer run
// has taken over the queue. Dropping the handle does not end the run; a cancelled run finishes on
// its own.

#include "CancelToken.h"

#include <QtGlobal>
#include <qcoro/qcorotask.h>

#include <utility>

class OptimizeTask
{
public:
    explicit OptimizeTask(quint64 generation);
    OptimizeTask(const OptimizeTask&) = delete;
    OptimizeTask& operator=(const OptimizeTask&) = delete;

    quint64 generation() const { return m_generation; }
    CancelToken token() const { return m_cancellation.token(); }
    bool isCancelled() const { return m_cancellation.isCancelled(); }
    void cancel() { m_cancellation.cancel(); }
    void setTask(QCoro::Task<> task) { m_task = std::move(task); }

private:
    quint64 m_generation;
    CancellationSource m_cancellation;
    QCoro::Task<> m_task;
};
