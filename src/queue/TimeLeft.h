#pragma once

// How long the rest of a run will take, judged by the pace of the images done so far, and how the
// window says it. Nothing is said before a few images are done: the first ones tell little of the rest.

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

#include <optional>

class TimeLeft
{
    Q_DECLARE_TR_FUNCTIONS(TimeLeft)

public:
    static constexpr int minimumDone = 3;

    // Seconds left, counted from `elapsedMs` into the run, when `done` of `total` images had ended by
    // `lastDoneMs`; nothing while fewer than minimumDone are done, or once all are.
    static std::optional<qint64> seconds(int done, int total, qint64 lastDoneMs, qint64 elapsedMs);
    // "About 3 min left", "About 40 s left", "Almost done".
    static QString text(qint64 seconds);
    // "3 of 14".
    static QString doneOf(int done, int total);
};
