#pragma once

// Watches a widget's paint events: counts them and notes when the last one ended, so that the time from
// a change of the model to the moment it is on screen can be measured.

#include <QElapsedTimer>
#include <QList>
#include <QObject>

class QWidget;

class PaintClock : public QObject
{
    Q_OBJECT

public:
    PaintClock(QWidget* watched, const QElapsedTimer& clock, QObject* parent = nullptr);

    int paints() const { return m_paints; }
    // Time of the end of the last paint, on the clock given at construction, in nanoseconds.
    qint64 lastPaintEndNs() const { return m_paintEndsNs.isEmpty() ? -1 : m_paintEndsNs.constLast(); }
    // End of the first paint that ended at or after `ns`, or -1.
    qint64 firstPaintEndAfter(qint64 ns) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const QElapsedTimer& m_clock;
    int m_paints = 0;
    QList<qint64> m_paintEndsNs;
    bool m_inPaint = false;
};
