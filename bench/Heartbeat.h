#pragma once

// A timer ticking every few milliseconds on the thread it lives on, recording the longest gap between
// two ticks: how long that thread's event loop was kept from running, as a user would feel it.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>

class Heartbeat : public QObject
{
    Q_OBJECT

public:
    explicit Heartbeat(std::chrono::milliseconds interval = std::chrono::milliseconds(5), QObject* parent = nullptr);

    void start();
    void stop();
    // Longest time between two ticks (or between start and the first tick) since start().
    double longestGapMs() const;
    qint64 ticks() const { return m_ticks; }

Q_SIGNALS:
    void ticked();

private:
    void tick();

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_lastNs = 0;
    qint64 m_longestNs = 0;
    qint64 m_ticks = 0;
};
