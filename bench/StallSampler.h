#pragma once

// Finds out what the main thread is doing while it keeps the event loop from running: a watcher
// thread notices when the heartbeat has not ticked for a while and interrupts the main thread, which
// records its call stack. The stacks are printed, symbolised as far as the binaries allow, on stderr.
// For diagnosis only (TOVALIN_BENCH_STALLS=1); a stack taken from a signal handler is best effort.

#include <QThread>

#include <atomic>
#include <chrono>

class StallSampler : public QThread
{
    Q_OBJECT

public:
    // Stacks are taken every `interval` of a stall longer than `threshold`.
    explicit StallSampler(std::chrono::milliseconds threshold = std::chrono::milliseconds(30),
                          std::chrono::milliseconds interval = std::chrono::milliseconds(10),
                          QObject* parent = nullptr);
    ~StallSampler() override;

    // Call from the main thread: it is the thread that gets sampled. Then call beat() from its event loop.
    void startWatching();
    void stopWatching();
    void beat();
    void printStacks() const;

protected:
    void run() override;

private:
    std::chrono::milliseconds m_threshold;
    std::chrono::milliseconds m_interval;
    std::atomic<bool> m_running{false};
    std::atomic<qint64> m_lastBeatNs{0};
};
