#include "queue/UpToDateJobs.h"

#include "client/RequestParameters.h"
#include "output/OutputMark.h"
#include "queue/JobListModel.h"

#include <utility>

UpToDateJobs::UpToDateJobs(MarkedOutputs* outputs, const TovalinOptions& request, QString resultsFolder)
    : m_check(outputs, RequestParameters::settingsKey(request), OutputMark::companionsAskedFor(request))
    , m_resultsFolder(std::move(resultsFolder))
{
}

QString UpToDateJobs::alreadyOptimized()
{
    return tr("Already optimized.");
}

RerunCheck::Verdict UpToDateJobs::check(const OutputNames& names)
{
    RerunCheck::Verdict verdict = m_check.check(names);
    if (!verdict.marksKept && m_unmarkedFolder.isEmpty()) {
        m_unmarkedFolder = names.folder();
    }
    return verdict;
}

void UpToDateJobs::markDone(ImageJob& job, RerunCheck::Verdict verdict, const QString& message)
{
    job.status = JobStatus::succeeded;
    job.message = message;
    job.outcome = JobOutcome::skipped;
    job.originalSize = verdict.sourceSize;
    job.downloads = std::move(verdict.outputs);
}

void UpToDateJobs::settleArriving(QList<ImageJob>& arriving, const QList<ImageJob>& queue)
{
    m_names.count(queue, arriving, m_resultsFolder);
    // Translated once for all of them, as the intake does with its own message.
    const QString message = alreadyOptimized();
    for (ImageJob& job : arriving) {
        RerunCheck::Verdict verdict = check(m_names.names(job, queue, m_resultsFolder));
        if (verdict.upToDate) {
            markDone(job, std::move(verdict), message);
        }
    }
}

QList<QUuid> UpToDateJobs::due(JobListModel& queue)
{
    QList<QUuid> due;
    QList<std::pair<QUuid, RerunCheck::Verdict>> done;
    for (const ImageJob& job : queue.jobs()) {
        RerunCheck::Verdict verdict = check(m_names.names(job, queue.jobs(), m_resultsFolder));
        if (!verdict.upToDate) {
            due.append(job.id);
        } else if (job.status != JobStatus::succeeded) {
            done.append({job.id, std::move(verdict)});
        }
    }
    // Marked once the walk over the queue is over: an update may move the rows it walks.
    const QString message = alreadyOptimized();
    for (auto& [id, verdict] : done) {
        queue.update(id, [&](ImageJob& job) { markDone(job, std::move(verdict), message); });
    }
    return due;
}
