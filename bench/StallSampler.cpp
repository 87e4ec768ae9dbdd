#include "bench/StallSampler.h"

#include <QElapsedTimer>

#include <csignal>
#include <cstdio>
#include <execinfo.h>
#include <pthread.h>

namespace {

constexpr int maxStacks = 256;
constexpr int maxFrames = 48;

struct Stack
{
    void* frames[maxFrames];
    int depth;
    qint64 stallMs;
};

Stack stacks[maxStacks];
std::atomic<int> stackCount{0};
std::atomic<qint64> pendingStallMs{0};
pthread_t watchedThread;
QElapsedTimer sinceStart;

void onSample(int)
{
    const int slot = stackCount.load();
    if (slot >= maxStacks) {
        return;
    }
    stacks[slot].depth = backtrace(stacks[slot].frames, maxFrames);
    stacks[slot].stallMs = pendingStallMs.load();
    stackCount.store(slot + 1);
}

} // namespace

StallSampler::StallSampler(std::chrono::milliseconds threshold, std::chrono::milliseconds interval, QObject* parent)
    : QThread(parent)
    , m_threshold(threshold)
    , m_interval(interval)
{
}

StallSampler::~StallSampler()
{
    stopWatching();
}

void StallSampler::startWatching()
{
    watchedThread = pthread_self();
    sinceStart.start();
    // backtrace() loads its unwinder on first use; that must not happen inside the handler.
    void* warmUp[4];
    backtrace(warmUp, 4);
    struct sigaction action
    {
    };
    action.sa_handler = onSample;
    action.sa_flags = SA_RESTART;
    sigaction(SIGPROF, &action, nullptr);
    m_lastBeatNs = sinceStart.nsecsElapsed();
    m_running = true;
    start();
}

void StallSampler::stopWatching()
{
    m_running = false;
    wait();
}

void StallSampler::beat()
{
    m_lastBeatNs = sinceStart.nsecsElapsed();
}

void StallSampler::run()
{
    const qint64 thresholdNs = std::chrono::nanoseconds(m_threshold).count();
    while (m_running) {
        QThread::msleep(quint64(m_interval.count()));
        const qint64 stalled = sinceStart.nsecsElapsed() - m_lastBeatNs;
        if (stalled > thresholdNs) {
            pendingStallMs = stalled / 1000000;
            pthread_kill(watchedThread, SIGPROF);
        }
    }
}

void StallSampler::printStacks() const
{
    const int count = stackCount.load();
    std::fprintf(stderr, "stalls: %d stacks of the main thread\n", count);
    for (int i = 0; i < count; ++i) {
        std::fprintf(stderr, "-- stalled for %lld ms\n", static_cast<long long>(stacks[i].stallMs));
        backtrace_symbols_fd(stacks[i].frames, stacks[i].depth, 2);
    }
}
