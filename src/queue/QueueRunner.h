#pragma once

// The run: takes the jobs of a batch in queue order and keeps up to `maxInFlight` of them with the
// service at once, records each outcome in its job, and keeps the run's status line and processing
// flag. A job whose transfers are over while its files still go to the disk no longer counts as with
// the service: the next one starts meanwhile, so that waiting for the disk overlaps the next image's
// upload. Stop aborts every transfer in flight; the jobs in flight show "Stopped." at once and the rest
// of the batch ends "Stopped." without reaching the service, except those already done, which keep
// their state and files. Two jobs whose outputs could meet under one file name are never in flight
// together: the later one waits for the earlier.
//
// Everything runs on the main thread. A job suspends only while it awaits the optimizer, so between
// two suspensions nothing else changes the queue; after each, the job is found again by its id. A run
// touches the queue and the run state only while no newer run has started.

#include "client/CancelToken.h"
#include "model/DownloadedFile.h"
#include "model/ImageJob.h"
#include "model/JobOutcome.h"
#include "model/OutputOptions.h"
#include "model/TovalinOptions.h"
#include "output/OutputNames.h"
#include "output/SharedBaseNames.h"
#include "queue/JobPipeline.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <QUuid>
#include <qcoro/qcorotask.h>

#include <functional>

class JobListModel;

class QueueRunner : public QObject
{
    Q_OBJECT

public:
    // Optimizes one file and saves its outputs as told: the job pipeline, or a stand-in in tests.
    using Optimizer = JobPipeline::Optimizer;
    // The options of the request, and of its outputs, for a job that starts now.
    using OptionsSource = std::function<TovalinOptions()>;
    using OutputOptionsSource = std::function<OutputOptions()>;

    static constexpr int maxInFlightLimit = 16;

    // Without `outputs`, results go beside their sources and keep their dates.
    QueueRunner(JobListModel* jobs, Optimizer optimizer, OptionsSource options, OutputOptionsSource outputs = {},
                QObject* parent = nullptr);
    // Ends every run: the transfers in flight are aborted and nothing more is written to the queue.
    ~QueueRunner() override;

    bool isProcessing() const { return m_isProcessing; }
    QString statusMessage() const { return m_statusMessage; }
    // Whether a run that Stop would cancel is under way.
    bool hasRun() const { return m_hasRun; }
    // How far the newest run has got: the jobs of its batch that have ended or were passed over, of all.
    int batchDone() const { return m_batchDone; }
    int batchSize() const { return int(m_batch.size()); }

    // 1 to maxInFlightLimit; a change applies as jobs start.
    int maxInFlight() const { return m_maxInFlight; }
    void setMaxInFlight(int count);

    // Shows a run of `count` images as begun while its batch is still being chosen: processing, with
    // Stop at hand; a run still going is cancelled. start() or tellUpToDate() follows, unless stop().
    void prepare(int count);
    // Starts a run over `batch` (job ids, in the order they are taken) and returns at once; a run
    // still going is cancelled. The first job starts on a later turn of the event loop.
    void start(QList<QUuid> batch);
    // Ends a prepared run before it began: nothing needs sending, since every image is up to date.
    void tellUpToDate();
    // Cancels the run and says so in the status line; always allowed.
    void stop();

Q_SIGNALS:
    void isProcessingChanged();
    void statusMessageChanged();
    void hasRunChanged();
    void progressChanged();
    // A job of the newest run has ended, or was stopped.
    void jobFinished(const QUuid& id, JobOutcome outcome);
    // The newest run has worked through its batch (also after a stop); the status line reads "Done.".
    void finished();

private:
    void setIsProcessing(bool value);
    void setStatusMessage(const QString& value);
    void setHasRun(bool value);
    bool isCurrentRun(quint64 generation) const { return generation == m_generation; }
    // Starts what may start now; ends the run once its batch is through.
    void pump();
    void schedulePump();
    void startJob(const QUuid& id, const QUrl& file, const OutputNames& names, bool keepDates, QSet<QString> claims);
    // The job needs the service no more; its files are still on their way.
    void jobTransferred(quint64 generation, const QUuid& id);
    void jobEnded(quint64 generation, const QUuid& id, const QSet<QString>& claims);
    // Ends the job with this outcome and message, after `change`, in one update of its row.
    void finish(const QUuid& id, JobOutcome outcome, const QString& message,
                const std::function<void(ImageJob&)>& change = {});
    void markStopped(const QUuid& id);
    // Where and under which names the outputs of `job` go when it starts now: from the whole source
    // name while another queued source shares its folder of results and base name, so neither replaces
    // the other's.
    OutputNames outputNames(const ImageJob& job, const OutputOptions& outputs);
    // No other row may go on listing a file that `writer` has just written over.
    void unlistReplacedFiles(const QUuid& writer, const QList<DownloadedFile>& written);
    // "Optimized and saved locally.", and for each file of the user's that held an output's name and
    // was left alone, where that output went instead.
    static QString savedMessage(const QList<DownloadedFile>& files);
    // After a second, tells that a job still running is with the service.
    QPointer<QTimer> startProgressNote(const QUuid& id, quint64 generation);

    // Takes the runner weakly and everything else by value: the queue may change, and the runner may
    // go, while the job waits.
    static QCoro::Task<> processJob(QPointer<QueueRunner> self, QUuid id, QUrl file, OutputNames names, bool keepDates,
                                    CancelToken token, quint64 generation);

    JobListModel* m_jobs;
    Optimizer m_optimizer;
    OptionsSource m_options;
    OutputOptionsSource m_outputOptions;
    SharedBaseNames m_sharedBaseNames;
    int m_maxInFlight = 1;
    bool m_isProcessing = false;
    QString m_statusMessage;
    bool m_hasRun = false;

    // The newest run: its batch, how far it has got, its jobs in flight and its cancellation. A
    // stopped run works through the rest of its batch unless a newer run has started.
    quint64 m_generation = 0;
    QList<QUuid> m_batch;
    qsizetype m_next = 0;
    // Its jobs with the service, and those whose files are still on their way to the disk.
    QSet<QUuid> m_transferring;
    QSet<QUuid> m_committing;
    // The jobs of the batch whose end has been told.
    QSet<QUuid> m_reported;
    int m_batchDone = 0;
    bool m_runOpen = false;
    CancellationSource m_cancellation;
    // The output name stems claimed by the jobs in flight, of whichever run.
    QSet<QString> m_claimed;
    QTimer m_pump;
};
