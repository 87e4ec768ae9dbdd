#pragma once

// What `tovalin-optimize --watch FOLDER…` does: optimizes what is due in the folders, then stays and
// optimizes each image that appears or changes in them once its writes have settled (FolderWatch), with
// the rerun check deciding as at the start: nothing up to date is sent again, and the program's own
// outputs are never taken for images. One run at a time, the command's own: images that settle during
// a run wait for its end and go together. Each image's outcome is printed as it ends (a line on
// standard error, or with --json a JSON object on standard output). The queue holds only the images of
// the latest run, so a watch that runs for months holds no more than that. An interrupt stops the run
// as the window's Stop does, and the watch ends with status 0; a second one leaves at once.

#include "queue/FolderWatch.h"

#include <QDir>
#include <QEventLoop>
#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QUrl>
#include <QUuid>

#include <functional>

class Console;
class JobListModel;
class MarkedOutputs;
class QueueRunner;
class SignalWatcher;

class WatchRun : public QObject
{
    Q_OBJECT

public:
    // Marks the queued jobs whose outputs are up to date as skipped and returns the others, looking
    // at the outputs in `found` (as the intake just saw them).
    using DueJobs = std::function<QList<QUuid>(MarkedOutputs& found)>;

    struct Output
    {
        QDir base; // paths are printed relative to it
        bool json = false;
        bool quiet = false;
    };

    WatchRun(JobListModel* queue, QueueRunner* runner, DueJobs due, Console* console, Output output,
             QObject* parent = nullptr);

    FolderWatch* folderWatch() { return &m_watch; }

    // Watches `folders` (each one a folder) until an interrupt; returns the exit status.
    int exec(const QStringList& folders, SignalWatcher* signalWatcher);

private:
    void take(const QStringList& images);
    // Starts a run over the items waiting, unless one is going.
    void startNext();
    void report(const QUuid& id);
    void interrupted();

    JobListModel* m_queue;
    QueueRunner* m_runner;
    DueJobs m_due;
    Console* m_console;
    Output m_output;
    FolderWatch m_watch;
    QEventLoop m_loop;
    // Files and folders (marked as folders) for the next run, in the order they came.
    QList<QUrl> m_waiting;
    QSet<QUrl> m_waitingSet;
    bool m_interrupted = false;
};
