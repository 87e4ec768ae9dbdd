#include "queue/UpToDateJobs.h"

#include "client/RequestParameters.h"
#include "output/OutputMark.h"
#include "output/ParallelFor.h"
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

QList<RerunCheck::Verdict> UpToDateJobs::checkAll(const QList<const ImageJob*>& jobs, const QList<ImageJob>& queue,
                                                  const QList<ImageJob>& joining)
{
    // Counted once here, the names are then only read, from every thread.
    m_names.count(queue, joining, m_resultsFolder);
    QList<OutputNames> names(jobs.size());
    OutputNames* const out = names.data();
    ParallelFor::each(jobs.size(), [&](qsizetype i) { out[i] = m_names.names(*jobs.at(i), queue, m_resultsFolder); });
    QList<RerunCheck::Verdict> verdicts = m_check.checkAll(names);
    if (m_unmarkedFolder.isEmpty()) {
        for (qsizetype i = 0; i < verdicts.size(); ++i) {
            if (!verdicts.at(i).marksKept) {
                m_unmarkedFolder = names.at(i).folder();
                break;
            }
        }
    }
    return verdicts;
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
    QList<const ImageJob*> jobs;
    jobs.reserve(arriving.size());
    for (const ImageJob& job : std::as_const(arriving)) {
        jobs.append(&job);
    }
    QList<RerunCheck::Verdict> verdicts = checkAll(jobs, queue, arriving);
    // Translated once for all of them, as the intake does with its own message.
    const QString message = alreadyOptimized();
    for (qsizetype i = 0; i < arriving.size(); ++i) {
        if (verdicts.at(i).upToDate) {
            markDone(arriving[i], std::move(verdicts[i]), message);
        }
    }
}

UpToDateJobs::Found UpToDateJobs::find(const QList<ImageJob>& queue)
{
    QList<const ImageJob*> jobs;
    jobs.reserve(queue.size());
    for (const ImageJob& job : queue) {
        jobs.append(&job);
    }
    QList<RerunCheck::Verdict> verdicts = checkAll(jobs, queue);
    Found found;
    for (qsizetype i = 0; i < jobs.size(); ++i) {
        const ImageJob& job = *jobs.at(i);
        if (!verdicts.at(i).upToDate) {
            found.due.append(job.id);
        } else if (job.status != JobStatus::succeeded) {
            found.upToDate.append(job.id);
            found.verdicts.append(std::move(verdicts[i]));
        }
    }
    return found;
}

QList<QUuid> UpToDateJobs::settle(JobListModel& queue, Found found)
{
    // All in one change: a row that gains its files is laid out anew, and a view that did that once
    // for each of 10,000 rows would lay all of them out 10,000 times.
    const QString message = alreadyOptimized();
    queue.updateEach(found.upToDate, [&](qsizetype i, ImageJob& job) {
        if (job.status == JobStatus::succeeded || job.status == JobStatus::running) {
            return false;
        }
        markDone(job, std::move(found.verdicts[i]), message);
        return true;
    });
    return std::move(found.due);
}

QList<QUuid> UpToDateJobs::due(JobListModel& queue)
{
    return settle(queue, find(queue.jobs()));
}
