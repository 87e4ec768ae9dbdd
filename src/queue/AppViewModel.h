#pragma once

// The program's one observable object, the one the views bind to: the settings, the queue, the state
// of the run. It holds the pieces that do the work (Settings, the job list, QueueIntake, QueueRunner)
// and gives the views their fields, operations and change signals in one place, on the main thread.

#include "model/JobOutcome.h"
#include "model/SettingsStore.h"
#include "output/MarkedOutputs.h"
#include "queue/FolderWatch.h"
#include "queue/JobListModel.h"
#include "queue/QueueIntake.h"
#include "queue/QueueRunner.h"
#include "queue/Settings.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QUuid>

#include <memory>
#include <optional>

class AppViewModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(Engine engine READ engine WRITE setEngine NOTIFY engineChanged)
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
    Q_PROPERTY(int imagesAtOnce READ imagesAtOnce WRITE setImagesAtOnce NOTIFY imagesAtOnceChanged)
    Q_PROPERTY(QString lastPickFolder READ lastPickFolder WRITE setLastPickFolder NOTIFY lastPickFolderChanged)
    Q_PROPERTY(bool resultsInFolder READ resultsInFolder WRITE setResultsInFolder NOTIFY resultsInFolderChanged)
    Q_PROPERTY(QString resultsFolder READ resultsFolder WRITE setResultsFolder NOTIFY resultsFolderChanged)
    Q_PROPERTY(bool keepFileDates READ keepFileDates WRITE setKeepFileDates NOTIFY keepFileDatesChanged)
    Q_PROPERTY(bool watchAddedFolders READ watchAddedFolders WRITE setWatchAddedFolders NOTIFY watchAddedFoldersChanged)

public:
    using Optimizer = QueueRunner::Optimizer;

    // Each job goes to the optimizer of the engine chosen when it starts: `local`, the engine on this
    // computer, or `service`, the service client the program was started with (each through the job
    // pipeline, JobPipeline::optimizer()).
    AppViewModel(std::shared_ptr<SettingsStore> store, Optimizer service, Optimizer local, QObject* parent = nullptr);
    // One optimizer for both engines: a stand-in in tests.
    AppViewModel(std::shared_ptr<SettingsStore> store, Optimizer optimizer, QObject* parent = nullptr);
    ~AppViewModel() override;

    // Settings
    Engine engine() const { return m_settings->engine(); }
    void setEngine(Engine value) { m_settings->setEngine(value); }
    QString apiKey() const { return m_settings->apiKey(); }
    void setApiKey(const QString& key) { m_settings->setApiKey(key); }
    Compression compression() const { return m_settings->compression(); }
    void setCompression(Compression value) { m_settings->setCompression(value); }
    bool convertToWebP() const { return m_settings->convertToWebP(); }
    void setConvertToWebP(bool value) { m_settings->setConvertToWebP(value); }
    bool convertToAVIF() const { return m_settings->convertToAVIF(); }
    void setConvertToAVIF(bool value) { m_settings->setConvertToAVIF(value); }
    ResizeMode resizeMode() const { return m_settings->resizeMode(); }
    void setResizeMode(ResizeMode value) { m_settings->setResizeMode(value); }
    QString resizeWidth() const { return m_settings->resizeWidth(); }
    void setResizeWidth(const QString& value) { m_settings->setResizeWidth(value); }
    QString resizeHeight() const { return m_settings->resizeHeight(); }
    void setResizeHeight(const QString& value) { m_settings->setResizeHeight(value); }
    bool cmykToRgb() const { return m_settings->cmykToRgb(); }
    void setCmykToRgb(bool value) { m_settings->setCmykToRgb(value); }
    UpscaleFactor upscale() const { return m_settings->upscale(); }
    void setUpscale(UpscaleFactor value) { m_settings->setUpscale(value); }
    bool removeBackground() const { return m_settings->removeBackground(); }
    void setRemoveBackground(bool value) { m_settings->setRemoveBackground(value); }
    bool keepExif() const { return m_settings->keepExif(); }
    void setKeepExif(bool value) { m_settings->setKeepExif(value); }
    int imagesAtOnce() const { return m_settings->imagesAtOnce(); }
    void setImagesAtOnce(int value) { m_settings->setImagesAtOnce(value); }
    QString lastPickFolder() const { return m_settings->lastPickFolder(); }
    void setLastPickFolder(const QString& value) { m_settings->setLastPickFolder(value); }
    bool resultsInFolder() const { return m_settings->resultsInFolder(); }
    void setResultsInFolder(bool value) { m_settings->setResultsInFolder(value); }
    QString resultsFolder() const { return m_settings->resultsFolder(); }
    void setResultsFolder(const QString& value) { m_settings->setResultsFolder(value); }
    bool keepFileDates() const { return m_settings->keepFileDates(); }
    void setKeepFileDates(bool value) { m_settings->setKeepFileDates(value); }
    // While on, the folders added to the queue are watched, and each new image that appears in them
    // (or in folders made there) is queued once it has been written; until the queue is cleared.
    bool watchAddedFolders() const { return m_settings->watchAddedFolders(); }
    void setWatchAddedFolders(bool value) { m_settings->setWatchAddedFolders(value); }
    // The folders added since the queue was last cleared, which the option watches.
    QStringList addedFolders() const { return m_addedFolders; }
    FolderWatch* folderWatch() const { return m_folderWatch; }
    using ResizeProblem = Settings::ResizeProblem;
    ResizeProblem resizeProblem() const { return m_settings->resizeProblem(); }

    // Queue and run state
    const QList<ImageJob>& jobs() const { return m_jobs->jobs(); }
    JobListModel* jobModel() const { return m_jobs; }
    bool isProcessing() const { return m_runner->isProcessing(); }
    QString statusMessage() const { return m_runner->statusMessage(); }
    bool hasOptimizeTask() const { return m_runner->hasRun(); }
    // How far the newest run has got through the jobs it took: ended or passed over, of all.
    int runDone() const { return m_runner->batchDone(); }
    int runTotal() const { return m_runner->batchSize(); }

    // The options of a request, from the settings of this moment.
    TovalinOptions currentOptions() const { return m_settings->currentOptions(); }
    OutputOptions currentOutputOptions() const { return m_settings->currentOutputOptions(); }
    static std::optional<qint64> parseDimension(const QString& text) { return Settings::parseDimension(text); }

    // Intake: files are taken as given; folders (a path ending in "/") are searched for images.
    void addFiles(const QList<QUrl>& urls);
    static QList<QUrl> collectImages(const QUrl& folder) { return QueueIntake::collectImages(folder); }
    static QUrl directoryUrl(const QString& path) { return QueueIntake::directoryUrl(path); }

    // Editing and derived state
    void removeJob(const QUuid& id);
    void clearFinished();
    void clearQueueExceptRunning();
    // Whether Optimize may start: something queued, no run going, and for the service a key.
    bool canOptimize() const;
    // Whether the chosen engine asks for the API key: the service does, the engine on this computer not.
    bool needsApiKey() const { return engine() == Engine::service; }
    int remainingCount() const { return tally().remaining; }
    // What the queue has saved so far, and what the views count over it.
    using Savings = QueueTally::Savings;
    using Tally = QueueTally;
    Savings savings() const { return tally().savings; }
    Tally tally() const { return m_jobs->tally(); }

    // Run control. optimizeAll() starts a run over every job queued now and returns at once; the run
    // keeps up to imagesAtOnce() of them in flight. A resize that cannot be carried out refuses the
    // run before anything is sent (optimizeRefused). stopAll() cancels it: the jobs in progress show
    // "Stopped." at once, the rest of the batch ends "Stopped." without reaching the service.
    // Jobs whose results are up to date with the settings of this moment are not sent: they are shown
    // done, "Already optimized.", as they are when they are added. That is asked of the disk on
    // another thread, the run shown as begun meanwhile. optimizeAgain() sends the jobs with these ids,
    // in queue order, whatever their results.
    void optimizeAll();
    void optimizeAgain(const QList<QUuid>& ids);
    void stopAll();

Q_SIGNALS:
    void engineChanged();
    void apiKeyChanged();
    void jobsChanged();
    void compressionChanged();
    void convertToWebPChanged();
    void convertToAVIFChanged();
    void isProcessingChanged();
    void optimizeTaskChanged();
    void runProgressChanged();
    void statusMessageChanged();
    void resizeModeChanged();
    void resizeWidthChanged();
    void resizeHeightChanged();
    void cmykToRgbChanged();
    void upscaleChanged();
    void removeBackgroundChanged();
    void keepExifChanged();
    void imagesAtOnceChanged();
    void lastPickFolderChanged();
    void resultsInFolderChanged();
    void resultsFolderChanged();
    void keepFileDatesChanged();
    void watchAddedFoldersChanged();
    // Optimize was asked for with a resize that cannot be carried out; nothing was started.
    void optimizeRefused(AppViewModel::ResizeProblem problem);
    // A job of the newest run has ended, or was stopped.
    void jobFinished(const QUuid& id, JobOutcome outcome);
    // The newest run has worked through its batch, also after a stop.
    void runFinished();

private:
    void followWatchOption();

    Settings* m_settings;
    JobListModel* m_jobs;
    // What the intake's walk found of this program's results, for the additions it makes.
    MarkedOutputs m_marked;
    QueueIntake m_intake;
    QueueRunner* m_runner;
    FolderWatch* m_folderWatch;
    QStringList m_addedFolders;
    // Counts the presses of Optimize and Stop: a look at the disk answers only the press that asked.
    quint64 m_press = 0;
};
