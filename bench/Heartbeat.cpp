#include "bench/Heartbeat.h"

Heartbeat::Heartbeat(std::chrono::milliseconds interval, QObject* parent)
    : QObject(parent)
{
    m_timer.setInterval(interval);
    // A coarse timer may fire up to 5 % late by design; the gap measured must be the event loop's.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Heartbeat::tick);
}

void Heartbeat::start()
{
    m_ticks = 0;
    m_longestNs = 0;
    m_clock.start();
    m_lastNs = 0;
    m_timer.start();
}

void Heartbeat::stop()
{
    tick();
    m_timer.stop();
}

double Heartbeat::longestGapMs() const
{
    return double(m_longestNs) / 1e6;
}

void Heartbeat::tick()
{
    const qint64 now = m_clock.nsecsElapsed();
    m_longestNs = std::max(m_longestNs, now - m_lastNs);
    m_lastNs = now;
    ++m_ticks;
    Q_EMIT ticked();
}
