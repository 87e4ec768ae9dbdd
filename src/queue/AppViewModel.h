#pragma once

// The program's one observable object: the settings, the queue, the state of the run and the service
// client. Every view reads and changes the system through it, on the main thread only. Each published
// field has a property with a change signal; a write raises the signal and does nothing else.

#include "ApiKeyStore.h"
#include "CancelToken.h"
#include "Compression.h"
#include "DownloadedFile.h"
#include "ImageJob.h"
#include "JobListModel.h"
#include "OutputNames.h"
#include "ResizeMode.h"
#include "SharedBaseNames.h"
#include "TovalinOptions.h"
#include "UpscaleFactor.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <QUuid>
#include <qcoro/qcorotask.h>

#include <functional>
#include <memory>
#include <optional>

class OptimizeTask;

class AppViewModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString apiKey READ apiKey WRITE setApiKey NOTIFY apiKeyChanged)
    Q_PROPERTY(Compression compression READ compression WRITE setCompression NOTIFY compressionChanged)
    Q_PROPERTY(bool convertToWebP READ convertToWebP WRITE setConvertToWebP NOTIFY convertToWebPChanged)
    Q_PROPERTY(bool convertToAVIF READ convertToAVIF WRITE setConvertToAVIF NOTIFY convertToAVIFChanged)
    Q_PROPERTY(bool isProcessing READ isProcessing NOTIFY isProcessingChanged)
    Q_PROPERTY(QString statusMessage READ statusMessage NOTIFY statusMessageChanged)
    Q_PROPERTY(ResizeMode resizeMode READ resizeMode WRITE setResizeMode NOTIFY resizeModeChanged)
    Q_PROPERTY(QString resizeWidth READ resizeWidth WRITE setResizeWidth NOTIFY resizeWidthChanged)
    Q_PROPERTY(QString resizeHeight READ resizeHeight WRITE setResizeHeight NOTIFY resizeHeightChanged)
    Q_PROPERTY(bool cmykToRgb READ cmykToRgb WRITE setCmykToRgb NOTIFY cmykToRgbChanged)
    Q_PROPERTY(UpscaleFactor upscale READ upscale WRITE setUpscale NOTIFY upscaleChanged)
    Q_PROPERTY(bool removeBackground READ removeBackground WRITE setRemoveBackground NOTIFY removeBackgroundChanged)
    Q_PROPERTY(bool keepExif READ keepExif WRITE setKeepExif NOTIFY keepExifChanged)

public:
    // The operation that optimizes one file and names its outputs as told: the service client's, or a
    // stand-in in tests.
    using Optimizer = std::function<QCoro::Task<QList<DownloadedFile>>(QUrl file, TovalinOptions options,
                                                                       CancelToken token, OutputNames::Naming naming)>;

    // With no store, the user's settings file; with no optimizer, the service client.
    explicit AppViewModel(std::shared_ptr<ApiKeyStore> store = {}, Optimizer optimizer = {}, QObject* parent = nullptr);
    ~AppViewModel() override;

    // Settings
    QString apiKey() const;
    void setApiKey(const QString& key);
    Compression compression() const { return m_compression; }
    void setCompression(Compression value);
    bool convertToWebP() const { return m_convertToWebP; }
    void setConvertToWebP(bool value);
    bool convertToAVIF() const { return m_convertToAVIF; }
    void setConvertToAVIF(bool value);
    ResizeMode resizeMode() const { return m_resizeMode; }
    void setResizeMode(ResizeMode value);
    QString resizeWidth() const { return m_resizeWidth; }
    void setResizeWidth(const QString& value);
    QString resizeHeight() const { return m_resizeHeight; }
    void setResizeHeight(const QString& value);
    bool cmykToRgb() const { return m_cmykToRgb; }
    void setCmykToRgb(bool value);
    UpscaleFactor upscale() const { return m_upscale; }
    void setUpscale(UpscaleFactor value);
    bool removeBackground() const { return m_removeBackground; }
    void setRemoveBackground(bool value);
    bool keepExif() const { return m_keepExif; }
    void setKeepExif(bool value);

    // Queue and run state
    const QList<ImageJob>& jobs() const { return m_jobs->jobs(); }
    JobListModel* jobModel() const { return m_jobs; }
    bool isProcessing() const { return m_isProcessing; }
    QString statusMessage() const { return m_statusMessage; }
    bool hasOptimizeTask() const;

    // The options of a request, from the settings of this moment.
    TovalinOptions currentOptions() const;
    // Text of a width or height read as a whole number: spaces and tabs trimmed from both ends (line
    // breaks are not), an optional sign, decimal digits only, within 64 bits.
    static std::optional<qint64> parseDimension(const QString& text);

    // Intake: files are taken as given; folders (a path ending in "/") are searched for images.
    void addFiles(const QList<QUrl>& urls);
    static QList<QUrl> collectImages(const QUrl& folder);
    // The marked form of a folder location, as addFiles() expects it.
    static QUrl directoryUrl(const QString& path);

    // Editing and derived state
    void removeJob(const QUuid& id);
    void clearFinished();
    void clearQueueExceptRunning();
    bool canOptimize() const;
    int remainingCount() const;
    // What the queue has saved so far, and what the views count over it.
    using Savings = QueueTally::Savings;
    using Tally = QueueTally;
    Savings savings() const;
    Tally tally() const;

    // Run control. optimizeAll() starts a run over the jobs queued now and returns at once; the run
    // takes them one at a time. stopAll() cancels it: the job in progress shows "Stopped." at once, the
    // rest of the batch ends "Stopped." without reaching the service.
    void optimizeAll();
    void stopAll();

Q_SIGNALS:
    void apiKeyChanged();
    void jobsChanged();
    void compressionChanged();
    void convertToWebPChanged();
    void convertToAVIFChanged();
    void isProcessingChanged();
    void optimizeTaskChanged();
    void statusMessageChanged();
    void resizeModeChanged();
    void resizeWidthChanged();
    void resizeHeightChanged();
    void cmykToRgbChanged();
    void upscaleChanged();
    void removeBackgroundChanged();
    void keepExifChanged();

private:
    void setIsProcessing(bool value);
    void setStatusMessage(const QString& value);
    void setOptimizeTask(std::unique_ptr<OptimizeTask> task);
    // Applies `change` to the job with this id and publishes it; false when the job is gone.
    bool updateJob(const QUuid& id, const std::function<void(ImageJob&)>& change);
    // How the outputs of a job for `source` are named when it starts now: from the whole source name
    // while another queued source of its folder shares its base name, so neither replaces the other's.
    OutputNames::Naming outputNaming(const QUrl& source);
    // No other row may go on listing a file that `writer` has just written over.
    void unlistReplacedFiles(const QUuid& writer, const QList<DownloadedFile>& written);
    // A run touches the queue and the run state only while no newer run has been started.
    bool isCurrentRun(quint64 generation) const { return generation == m_generation; }
    // After a second, tells that a job still running is with the service.
    QPointer<QTimer> startProgressNote(const QUuid& id, quint64 generation);

    // Coroutines take the view model weakly and everything else by value: the queue may change, and
    // the view model may go, while they wait.
    static QCoro::Task<> runBatch(QPointer<AppViewModel> self, QList<QUuid> batch, CancelToken token,
                                  quint64 generation);
    static QCoro::Task<> processJob(QPointer<AppViewModel> self, QUuid id, CancelToken token, quint64 generation);

    std::shared_ptr<ApiKeyStore> m_store;
    Optimizer m_optimizer;
    JobListModel* m_jobs;
    SharedBaseNames m_sharedBaseNames;
    Compression m_compression = Compression::lossy;
    bool m_convertToWebP = true;
    bool m_convertToAVIF = false;
    bool m_isProcessing = false;
    QString m_statusMessage;
    ResizeMode m_resizeMode = ResizeMode::none;
    QString m_resizeWidth;
    QString m_resizeHeight;
    bool m_cmykToRgb = true;
    UpscaleFactor m_upscale = UpscaleFactor::none;
    bool m_removeBackground = false;
    bool m_keepExif = false;
    std::unique_ptr<OptimizeTask> m_optimizeTask;
    // Counts the runs started; the newest run is the current one.
    quint64 m_generation = 0;
};
