#include "queue/TimeLeft.h"

#include <QLocale>

#include <algorithm>

std::optional<qint64> TimeLeft::seconds(int done, int total, qint64 lastDoneMs, qint64 elapsedMs)
{
    // Without time spent on the images done, there is no pace to go by.
    if (done < minimumDone || done >= total || lastDoneMs <= 0) {
        return std::nullopt;
    }
    // Several images at once make the pace of the run, not of one image, the measure.
    const qint64 perImageMs = lastDoneMs / done;
    const qint64 leftMs = std::max<qint64>(0, perImageMs * (total - done) - (elapsedMs - lastDoneMs));
    return (leftMs + 999) / 1000;
}

QString TimeLeft::text(qint64 seconds)
{
    if (seconds < 5) {
        return tr("Almost done");
    }
    const QLocale locale;
    QString amount;
    if (seconds < 90) {
        // To the nearest five seconds: a count by the second would flicker.
        amount = tr("%1 s", "seconds").arg(locale.toString((seconds + 2) / 5 * 5));
    } else if (seconds < 90 * 60) {
        amount = tr("%1 min", "minutes").arg(locale.toString((seconds + 30) / 60));
    } else {
        amount = tr("%1 h", "hours").arg(locale.toString((seconds + 1800) / 3600));
    }
    return tr("About %1 left").arg(amount);
}

QString TimeLeft::doneOf(int done, int total)
{
    const QLocale locale;
    return tr("%1 of %2").arg(locale.toString(done), locale.toString(total));
}
