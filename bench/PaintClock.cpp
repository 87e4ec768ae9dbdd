#include "bench/PaintClock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <algorithm>

PaintClock::PaintClock(QWidget* watched, const QElapsedTimer& clock, QObject* parent)
    : QObject(parent)
    , m_clock(clock)
{
    watched->installEventFilter(this);
}

bool PaintClock::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Paint || m_inPaint) {
        return false;
    }
    // Deliver the paint now, through the other filters (the scroll area paints its viewport from one), so
    // that its end can be timed; the widget still sees the event exactly once.
    m_inPaint = true;
    QCoreApplication::sendEvent(watched, event);
    m_inPaint = false;
    ++m_paints;
    m_paintEndsNs.append(m_clock.nsecsElapsed());
    return true;
}

qint64 PaintClock::firstPaintEndAfter(qint64 ns) const
{
    const auto it = std::lower_bound(m_paintEndsNs.cbegin(), m_paintEndsNs.cend(), ns);
    return it == m_paintEndsNs.cend() ? -1 : *it;
}
