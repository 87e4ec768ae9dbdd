#pragma once

// Shows a run's progress on standard error while it goes. On a terminal: one line, redrawn, with a
// bar, the count of finished images, the image in progress with its message and an estimate of the
// time left; a failure also leaves a line of its own above it. Elsewhere (a log, a pipe): one line per
// image as it finishes. Reads the run from the job model's signals only.

#include <QDir>
#include <QElapsedTimer>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <QUuid>

#include <set>

class Console;
class JobListModel;
struct ImageJob;

class ProgressReporter : public QObject
{
    Q_OBJECT

public:
    ProgressReporter(const JobListModel* jobs, Console* console, QDir base, QObject* parent = nullptr);

    // Nothing is shown before start() or after finish(). `total` images are to be sent.
    void start(int total);
    void finish();
    // A line of its own above the progress line.
    void note(const QString& text);

    // The estimate, as the progress line shows it: from the time the finished images took.
    static QString estimate(qint64 elapsedMs, qint64 elapsedAtLastFinishMs, int finished, int total);
    static QString bar(int finished, int total, int width);

private:
    void jobsChanged(int firstRow, int lastRow);
    void findRunning();
    void reportFinished(const ImageJob& job);
    void redraw();
    void clearLine();

    const JobListModel* m_jobs;
    Console* m_console;
    QDir m_base;
    bool m_terminal;
    QTimer m_ticker;
    QElapsedTimer m_clock;
    qint64 m_lastFinishMs = 0;
    QSet<QUuid> m_finished;
    // The rows of the jobs running now, in queue order: the line shows the first.
    std::set<int> m_running;
    bool m_active = false;
    int m_total = 0;
    bool m_lineShown = false;
};
