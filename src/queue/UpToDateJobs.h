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

    // Settles the jobs of `arriving`, about to join `queue`, before they are shown.
    void settleArriving(QList<ImageJob>& arriving, const QList<ImageJob>& queue);
    // The ids of the jobs of `queue` to send, in queue order. Every other one is up to date: marked
    // done there unless it is done already, when it keeps its message and files.
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
