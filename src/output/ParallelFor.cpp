#include "output/ParallelFor.h"

#include <QSemaphore>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <memory>

namespace {

constexpr qsizetype chunk = 64;

QThreadPool* helpers()
{
    static QThreadPool* const pool = [] {
        auto* made = new QThreadPool;
        made->setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));
        // Idle helpers go soon: a rerun asks once, the window once per addition.
        made->setExpiryTimeout(2000);
        return made;
    }();
    return pool;
}

struct Shared
{
    std::atomic<qsizetype> next{0};
    qsizetype count = 0;
    qsizetype step = 1;
    const std::function<void(qsizetype)>* work = nullptr;
    QSemaphore finished;

    void run()
    {
        for (;;) {
            const qsizetype first = next.fetch_add(step);
            if (first >= count) {
                return;
            }
            const qsizetype last = std::min(count, first + step);
            for (qsizetype i = first; i < last; ++i) {
                (*work)(i);
            }
        }
    }
};

} // namespace

void ParallelFor::each(qsizetype count, const std::function<void(qsizetype)>& work, qsizetype perThread)
{
    const qsizetype wanted =
        std::min<qsizetype>(helpers()->maxThreadCount(), count / std::max<qsizetype>(perThread, 1));
    if (wanted <= 0) {
        for (qsizetype i = 0; i < count; ++i) {
            work(i);
        }
        return;
    }
    // Shared with the helpers, which may still be returning when the last index is done.
    const auto shared = std::make_shared<Shared>();
    shared->count = count;
    // Taken a few at a time, so that threads meet on the counter seldom but share out a short list.
    shared->step = std::clamp<qsizetype>(count / 64, 1, chunk);
    shared->work = &work;
    int started = 0;
    for (qsizetype t = 0; t < wanted; ++t) {
        if (!helpers()->tryStart([shared] {
                shared->run();
                shared->finished.release();
            })) {
            break;
        }
        ++started;
    }
    shared->run();
    shared->finished.acquire(started);
}
