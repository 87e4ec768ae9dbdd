#pragma once

// Which jobs need not be sent: those whose results, named as a run would name them now, are up to
// date (RerunCheck: made by this program from the source as it is now, with the same settings). Such
// a job is given the state of one done, "Already optimized.", with its results listed from their
// marks. The window asks as images arrive and again when Optimize is pressed, since a run may have
// written results meanwhile and the settings may have changed; the command line asks before its run.
// Where the file system keeps no marks nothing can be told, and every image is sent.

#include "model/ImageJob.h"
#include "model/TovalinOptions.h"
#include "output/MarkedOutputs.h"
#include "output/RerunCheck.h"
#include "output/SharedBaseNames.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QUuid>

class JobListModel;

class UpToDateJobs
{
    Q_DECLARE_TR_FUNCTIONS(UpToDateJobs)

public:
    // For requests made with `request`, results in `resultsFolder` (beside each source when empty).
    UpToDateJobs(MarkedOutputs* outputs, const TovalinOptions& request, QString resultsFolder);

    // What a look at the disk found for a queue: the jobs to send, in queue order, and those found up
    // to date that are not done yet, with their results.
    struct Found
    {
        QList<QUuid> due;
        QList<QUuid> upToDate;
        QList<RerunCheck::Verdict> verdicts;
    };

    // Settles the jobs of `arriving`, about to join `queue`, before they are shown.
    void settleArriving(QList<ImageJob>& arriving, const QList<ImageJob>& queue);
    // Which jobs of `queue` are due. Reads the disk and nothing else: any thread may ask, of a copy
    // of the queue.
    Found find(const QList<ImageJob>& queue);
    // Marks done, "Already optimized.", the jobs `found` up to date that are still in `queue` and
    // neither done nor running by now, in one change; returns the ids to send.
    static QList<QUuid> settle(JobListModel& queue, Found found);
    // find() and settle() in one.
    QList<QUuid> due(JobListModel& queue);

    // The first folder of results seen whose file system keeps no marks; empty while there is none.
    QString unmarkedFolder() const { return m_unmarkedFolder; }
    static QString alreadyOptimized();

private:
    // The verdicts on `jobs`, each named among `queue` and `joining`.
    QList<RerunCheck::Verdict> checkAll(const QList<const ImageJob*>& jobs, const QList<ImageJob>& queue,
                                        const QList<ImageJob>& joining = {});
    static void markDone(ImageJob& job, RerunCheck::Verdict verdict, const QString& message);

    RerunCheck m_check;
    QString m_resultsFolder;
    SharedBaseNames m_names;
    QString m_unmarkedFolder;
};
