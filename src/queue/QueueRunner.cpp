#include "queue/QueueRunner.h"

#include "client/Error.h"
#include "queue/JobListModel.h"

#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <exception>
#include <optional>
#include <utility>

namespace {

constexpr std::chrono::seconds progressNoteDelay{1};

} // namespace

QueueRunner::QueueRunner(JobListModel* jobs, Optimizer optimizer, OptionsSource options, OutputOptionsSource outputs,
                         QObject* parent)
    : QObject(parent)
    , m_jobs(jobs)
    , m_optimizer(std::move(optimizer))
    , m_options(std::move(options))
    , m_outputOptions(outputs ? std::move(outputs) : [] { return OutputOptions(); })
{
    const auto invalidate = [this] { m_sharedBaseNames.invalidate(); };
    connect(m_jobs, &QAbstractItemModel::rowsInserted, this, invalidate);
    connect(m_jobs, &QAbstractItemModel::rowsRemoved, this, invalidate);
    connect(m_jobs, &QAbstractItemModel::modelReset, this, invalidate);
    // Every step of a run waits for the next turn of the event loop: the window stays responsive
    // between jobs that end at once, and the handle of a new run is stored before any job is touched.
    m_pump.setSingleShot(true);
    m_pump.setInterval(0);
    connect(&m_pump, &QTimer::timeout, this, &QueueRunner::pump);
}

QueueRunner::~QueueRunner()
{
    // No run may write into a queue that is going away: make every run stale, then abort the
    // transfers in flight so that nothing keeps running for nobody.
    ++m_generation;
    m_cancellation.cancel();
}

void QueueRunner::setMaxInFlight(int count)
{
    m_maxInFlight = std::clamp(count, 1, maxInFlightLimit);
    if (m_runOpen) {
        schedulePump();
    }
}

void QueueRunner::setIsProcessing(bool value)
{
    m_isProcessing = value;
    Q_EMIT isProcessingChanged();
}

void QueueRunner::setStatusMessage(const QString& value)
{
    if (value == m_statusMessage) {
        return;
    }
    m_statusMessage = value;
    Q_EMIT statusMessageChanged();
}

void QueueRunner::setHasRun(bool value)
{
    // Dropping the handle leaves its run to wind down on its own.
    m_hasRun = value;
    Q_EMIT hasRunChanged();
}

void QueueRunner::prepare(int count)
{
    setIsProcessing(true);
    setStatusMessage(tr("Optimizing %n image(s)…", nullptr, count));
    if (m_hasRun) {
        m_cancellation.cancel();
    }
    // A stopped run working through its batch ends here, and with it any word of "Done.".
    ++m_generation;
    m_cancellation = CancellationSource();
    m_runOpen = false;
    m_batch.clear();
    m_reported.clear();
    m_batchDone = 0;
    m_next = 0;
    m_transferring.clear();
    m_committing.clear();
    Q_EMIT progressChanged();
    setHasRun(true);
}

void QueueRunner::start(QList<QUuid> batch)
{
    prepare(int(batch.size()));
    m_batch = std::move(batch);
    Q_EMIT progressChanged();
    m_runOpen = true;
    schedulePump();
}

void QueueRunner::tellUpToDate()
{
    setIsProcessing(false);
    setHasRun(false);
    setStatusMessage(tr("Every image is already optimized."));
}

void QueueRunner::stop()
{
    // The run's state is settled before the cancellation fires: a transfer may fail at once, inside
    // cancel(), and the run then goes on from a consistent queue.
    const bool hadRun = m_hasRun;
    setHasRun(false);
    setIsProcessing(false);
    QList<QUuid> running;
    for (const ImageJob& job : m_jobs->jobs()) {
        if (job.status == JobStatus::running) {
            running.append(job.id);
        }
    }
    for (const QUuid& id : std::as_const(running)) {
        markStopped(id);
    }
    setStatusMessage(tr("Stopped by user."));
    if (hadRun) {
        m_cancellation.cancel();
    }
    if (hadRun && !m_runOpen) {
        // Stopped while its batch was being chosen: a run with nothing left, which ends as any other.
        m_runOpen = true;
        schedulePump();
    }
}

void QueueRunner::schedulePump()
{
    if (!m_pump.isActive()) {
        m_pump.start();
    }
}

void QueueRunner::pump()
{
    if (!m_runOpen) {
        return;
    }
    const auto hasRoom = [this] {
        // As many jobs may be writing their files as are with the service, and one more on its way.
        return m_transferring.size() < m_maxInFlight && m_committing.size() <= m_maxInFlight;
    };
    const OutputOptions outputs = m_outputOptions();
    while (m_next < m_batch.size() && hasRoom()) {
        const QUuid id = m_batch.at(m_next);
        const ImageJob* job = m_jobs->find(id);
        if (job == nullptr) {
            // Removed after the batch was taken.
            ++m_next;
            ++m_batchDone;
            Q_EMIT progressChanged();
            continue;
        }
        if (m_cancellation.isCancelled()) {
            // Taken up and stopped in one turn, so the row goes straight to stopped; no request goes
            // out. One a turn, so that a long stopped batch never holds the window up. A job that was
            // done keeps its state and files: nothing of it changed.
            ++m_next;
            if (job->status != JobStatus::succeeded) {
                markStopped(id);
            }
            schedulePump();
            return;
        }
        const QUrl file = job->url;
        const OutputNames names = outputNames(*job, outputs);
        QSet<QString> claims = names.claims();
        if (claims.intersects(m_claimed)) {
            // Waits in its place for the job that may write the same files.
            break;
        }
        ++m_next;
        const quint64 generation = m_generation;
        startJob(id, file, names, outputs.keepDates, std::move(claims));
        if (!isCurrentRun(generation) || m_pump.isActive()) {
            // The job has ended already; the next step comes on the next turn.
            return;
        }
    }
    if (m_next == m_batch.size() && m_transferring.isEmpty() && m_committing.isEmpty()) {
        m_runOpen = false;
        setIsProcessing(false);
        setHasRun(false);
        setStatusMessage(tr("Done."));
        Q_EMIT finished();
    }
}

void QueueRunner::startJob(const QUuid& id, const QUrl& file, const OutputNames& names, bool keepDates,
                           QSet<QString> claims)
{
    m_transferring.insert(id);
    m_claimed.unite(claims);
    const quint64 generation = m_generation;
    QCoro::connect(
        processJob(QPointer<QueueRunner>(this), id, file, names, keepDates, m_cancellation.token(), generation), this,
        [this, generation, id, claims = std::move(claims)] { jobEnded(generation, id, claims); });
}

void QueueRunner::jobTransferred(quint64 generation, const QUuid& id)
{
    if (isCurrentRun(generation) && m_transferring.remove(id)) {
        m_committing.insert(id);
        schedulePump();
    }
}

void QueueRunner::jobEnded(quint64 generation, const QUuid& id, const QSet<QString>& claims)
{
    m_claimed.subtract(claims);
    if (isCurrentRun(generation) && !m_transferring.remove(id)) {
        m_committing.remove(id);
    }
    // Also when an older run's job ends: a job of the newest run may be waiting for its files.
    if (m_runOpen) {
        schedulePump();
    }
}

void QueueRunner::finish(const QUuid& id, JobOutcome outcome, const QString& message,
                         const std::function<void(ImageJob&)>& change)
{
    const bool found = m_jobs->update(id, [&](ImageJob& job) {
        if (change) {
            change(job);
        }
        job.status = outcome == JobOutcome::optimized ? JobStatus::succeeded
                     : outcome == JobOutcome::stopped ? JobStatus::stopped
                                                      : JobStatus::failed;
        job.message = message;
        job.outcome = outcome;
    });
    // A stopped job is written stopped again when its aborted call ends; it ended only once.
    if (found && !m_reported.contains(id)) {
        m_reported.insert(id);
        ++m_batchDone;
        Q_EMIT progressChanged();
        Q_EMIT jobFinished(id, outcome);
    }
}

void QueueRunner::markStopped(const QUuid& id)
{
    finish(id, JobOutcome::stopped, tr("Stopped."));
}

OutputNames QueueRunner::outputNames(const ImageJob& job, const OutputOptions& outputs)
{
    return m_sharedBaseNames.names(job, m_jobs->jobs(), outputs.folder);
}

void QueueRunner::unlistReplacedFiles(const QUuid& writer, const QList<DownloadedFile>& written)
{
    // The naming keeps the jobs of one queue apart, yet a source queued twice in one call, or one
    // without extension beside one with it, still writes where another row points.
    QList<QUuid> affected;
    for (const DownloadedFile& file : written) {
        for (const QUuid& id : m_jobs->jobsListing(file.path)) {
            if (id != writer && !affected.contains(id)) {
                affected.append(id);
            }
        }
    }
    const auto replaced = [&written](const DownloadedFile& listed) {
        return std::any_of(written.cbegin(), written.cend(),
                           [&listed](const DownloadedFile& file) { return file.path == listed.path; });
    };
    for (const QUuid& id : std::as_const(affected)) {
        m_jobs->update(id, [&replaced](ImageJob& job) { job.downloads.removeIf(replaced); });
    }
}

QCoro::Task<> QueueRunner::processJob(QPointer<QueueRunner> self, QUuid id, QUrl file, OutputNames names,
                                      bool keepDates, CancelToken token, quint64 generation)
{
    self->m_jobs->update(id, [](ImageJob& j) {
        j.status = JobStatus::running;
        j.message = tr("Sending to Tovalin…");
        j.outcome = JobOutcome::none;
    });
    const QPointer<QTimer> note = self->startProgressNote(id, generation);
    // What the saved files are measured against; the upload fails if the file changes meanwhile.
    const qint64 originalSize = QFileInfo(file.toLocalFile()).size();
    // Settings changed during a run apply to the jobs that start after the change.
    const TovalinOptions options = self->m_options();
    // A copy, so the optimizer outlives the call even if the runner goes meanwhile.
    const Optimizer optimizer = self->m_optimizer;

    std::optional<QList<DownloadedFile>> files;
    QList<DownloadedFile> written; // saved before a failure
    QString failure;
    bool stopped = false;
    try {
        JobRequest request{file, options, std::move(names), keepDates, {}};
        request.transferred = [self, generation, id] {
            if (self) {
                self->jobTransferred(generation, id);
            }
        };
        files = co_await optimizer(std::move(request), token);
    } catch (const Error& error) {
        stopped = error.isCancellation();
        failure = error.description();
        written = error.written();
    } catch (const std::exception& error) {
        failure = QString::fromUtf8(error.what());
    } catch (...) {
        failure = tr("The image could not be optimized.");
    }

    if (self.isNull()) {
        co_return;
    }
    // Once the call has ended the job is no longer running for this run, so the note would say
    // nothing; dropping it keeps a long queue of quick failures from piling up timers.
    delete note.data();
    // Whether or not the job and its run are still there, its files are on disk.
    self->unlistReplacedFiles(id, files ? *files : written);
    // The job may have been removed, and the run stopped and replaced, while the client worked.
    if (!self->isCurrentRun(generation)) {
        co_return;
    }
    if (files) {
        self->finish(id, JobOutcome::optimized, savedMessage(*files), [&files, originalSize](ImageJob& j) {
            j.downloads = std::move(*files);
            j.originalSize = originalSize;
        });
        co_return;
    }
    // A job that failed after saving some of its files lists those: they are on disk.
    const auto listWritten = [&written](ImageJob& j) {
        if (!written.isEmpty()) {
            j.downloads = std::move(written);
        }
    };
    if (stopped) {
        self->finish(id, JobOutcome::stopped, tr("Stopped."), listWritten);
    } else {
        self->finish(id, JobOutcome::failed, failure, listWritten);
    }
}

QString QueueRunner::savedMessage(const QList<DownloadedFile>& files)
{
    QString message = tr("Optimized and saved locally.");
    for (const DownloadedFile& file : files) {
        if (!file.notReplaced.isEmpty()) {
            message += QLatin1Char(' ') + tr("“%1” is not this program's and was kept; this one is “%2”.")
                                              .arg(file.notReplaced.fileName(), file.path.fileName());
        }
    }
    return message;
}

QPointer<QTimer> QueueRunner::startProgressNote(const QUuid& id, quint64 generation)
{
    // A child timer: it goes with the runner, and never fires into one that is gone.
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    // A coarse timer may fire early; the note promises a job that has run for a whole second.
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, [this, timer, id, generation] {
        timer->deleteLater();
        const ImageJob* job = m_jobs->find(id);
        if (!isCurrentRun(generation) || job == nullptr || job->status != JobStatus::running) {
            return;
        }
        m_jobs->update(id, [](ImageJob& j) { j.message = tr("Image is being optimized…"); });
    });
    timer->start(progressNoteDelay);
    return timer;
}
