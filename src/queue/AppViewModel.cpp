#include "queue/AppViewModel.h"

#include "output/FolderSync.h"
#include "output/OutputWriter.h"
#include "queue/UpToDateJobs.h"

#include <QFutureWatcher>
#include <QSet>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace {

// The optimizer of the engine chosen at the moment a job starts, which is when the runner calls it.
QueueRunner::Optimizer byEngine(const Settings* settings, QueueRunner::Optimizer service, QueueRunner::Optimizer local)
{
    return [settings, service = std::move(service), local = std::move(local)](JobRequest request, CancelToken token) {
        const QueueRunner::Optimizer& chosen = settings->engine() == Engine::local ? local : service;
        return chosen(std::move(request), std::move(token));
    };
}

} // namespace

AppViewModel::AppViewModel(std::shared_ptr<SettingsStore> store, Optimizer optimizer, QObject* parent)
    : AppViewModel(std::move(store), optimizer, optimizer, parent)
{
}

AppViewModel::AppViewModel(std::shared_ptr<SettingsStore> store, Optimizer service, Optimizer local, QObject* parent)
    : QObject(parent)
    , m_settings(new Settings(std::move(store), this))
    , m_jobs(new JobListModel(this))
    , m_intake(m_jobs, &m_marked)
    , m_runner(new QueueRunner(
          m_jobs, byEngine(m_settings, std::move(service), std::move(local)),
          [settings = m_settings] { return settings->currentOptions(); },
          [settings = m_settings] { return settings->currentOutputOptions(); }, this))
    , m_folderWatch(new FolderWatch(this))
{
    connect(m_settings, &Settings::engineChanged, this, &AppViewModel::engineChanged);
    connect(m_settings, &Settings::apiKeyChanged, this, &AppViewModel::apiKeyChanged);
    connect(m_settings, &Settings::compressionChanged, this, &AppViewModel::compressionChanged);
    connect(m_settings, &Settings::convertToWebPChanged, this, &AppViewModel::convertToWebPChanged);
    connect(m_settings, &Settings::convertToAVIFChanged, this, &AppViewModel::convertToAVIFChanged);
    connect(m_settings, &Settings::resizeModeChanged, this, &AppViewModel::resizeModeChanged);
    connect(m_settings, &Settings::resizeWidthChanged, this, &AppViewModel::resizeWidthChanged);
    connect(m_settings, &Settings::resizeHeightChanged, this, &AppViewModel::resizeHeightChanged);
    connect(m_settings, &Settings::cmykToRgbChanged, this, &AppViewModel::cmykToRgbChanged);
    connect(m_settings, &Settings::upscaleChanged, this, &AppViewModel::upscaleChanged);
    connect(m_settings, &Settings::removeBackgroundChanged, this, &AppViewModel::removeBackgroundChanged);
    connect(m_settings, &Settings::keepExifChanged, this, &AppViewModel::keepExifChanged);
    connect(m_settings, &Settings::imagesAtOnceChanged, this, &AppViewModel::imagesAtOnceChanged);
    connect(m_settings, &Settings::lastPickFolderChanged, this, &AppViewModel::lastPickFolderChanged);
    connect(m_settings, &Settings::resultsInFolderChanged, this, &AppViewModel::resultsInFolderChanged);
    connect(m_settings, &Settings::resultsFolderChanged, this, &AppViewModel::resultsFolderChanged);
    connect(m_settings, &Settings::keepFileDatesChanged, this, &AppViewModel::keepFileDatesChanged);
    connect(m_settings, &Settings::watchAddedFoldersChanged, this, &AppViewModel::watchAddedFoldersChanged);
    connect(m_settings, &Settings::watchAddedFoldersChanged, this, &AppViewModel::followWatchOption);
    // New images are queued like any others added; one already in the queue is not queued again.
    connect(m_folderWatch, &FolderWatch::settled, this, [this](const QStringList& images) {
        QList<QUrl> urls;
        urls.reserve(images.size());
        for (const QString& image : images) {
            urls.append(QUrl::fromLocalFile(image));
        }
        addFiles(urls);
    });

    // An image whose results are up to date joins the queue done, with them listed.
    m_intake.setArrival([this](QList<ImageJob>& arriving) {
        UpToDateJobs(&m_marked, currentOptions(), currentOutputOptions().folder).settleArriving(arriving, jobs());
    });

    m_runner->setMaxInFlight(m_settings->imagesAtOnce());
    connect(m_settings, &Settings::imagesAtOnceChanged, m_runner,
            [this] { m_runner->setMaxInFlight(m_settings->imagesAtOnce()); });
    connect(m_runner, &QueueRunner::isProcessingChanged, this, &AppViewModel::isProcessingChanged);
    connect(m_runner, &QueueRunner::statusMessageChanged, this, &AppViewModel::statusMessageChanged);
    connect(m_runner, &QueueRunner::hasRunChanged, this, &AppViewModel::optimizeTaskChanged);
    connect(m_runner, &QueueRunner::progressChanged, this, &AppViewModel::runProgressChanged);
    connect(m_runner, &QueueRunner::jobFinished, this, &AppViewModel::jobFinished);
    connect(m_runner, &QueueRunner::finished, this, &AppViewModel::runFinished);
    // The names a run gave its outputs reach the disk together, once per folder, after the run.
    connect(m_runner, &QueueRunner::finished, this, [] { OutputWriter::pool()->start(&FolderSync::syncAll); });
    // Every change of a job the run makes is a change of the queue.
    connect(m_jobs, &QAbstractItemModel::dataChanged, this, &AppViewModel::jobsChanged);
}

// The runner goes first: it ends its runs while the job list is still there.
AppViewModel::~AppViewModel()
{
    delete m_runner;
}

void AppViewModel::addFiles(const QList<QUrl>& urls)
{
    for (const QUrl& url : urls) {
        if (!QueueIntake::isDirectoryMarked(url)) {
            continue;
        }
        const QString folder = QueueIntake::folderPath(url);
        if (!m_addedFolders.contains(folder)) {
            m_addedFolders.append(folder);
            if (watchAddedFolders()) {
                m_folderWatch->watch(folder);
            }
        }
    }
    // Read afresh for each addition: runs write results between two.
    m_marked = MarkedOutputs();
    if (m_intake.addFiles(urls) > 0) {
        Q_EMIT jobsChanged();
    }
}

void AppViewModel::followWatchOption()
{
    m_folderWatch->clear();
    if (!watchAddedFolders()) {
        return;
    }
    for (const QString& folder : std::as_const(m_addedFolders)) {
        m_folderWatch->watch(folder);
    }
}

void AppViewModel::removeJob(const QUuid& id)
{
    m_jobs->removeIf([&id](const ImageJob& job) { return job.id == id; });
    Q_EMIT jobsChanged();
}

void AppViewModel::clearFinished()
{
    m_jobs->removeIf([](const ImageJob& job) { return job.status == JobStatus::succeeded; });
    Q_EMIT jobsChanged();
}

void AppViewModel::clearQueueExceptRunning()
{
    m_jobs->removeIf([](const ImageJob& job) { return job.status != JobStatus::running; });
    // A cleared queue starts afresh: the folders added before are no longer the queue's.
    m_addedFolders.clear();
    m_folderWatch->clear();
    Q_EMIT jobsChanged();
}

bool AppViewModel::canOptimize() const
{
    const bool hasKey = !needsApiKey() || !apiKey().trimmed().isEmpty();
    return hasKey && !m_jobs->jobs().isEmpty() && !isProcessing();
}

void AppViewModel::optimizeAll()
{
    if (!canOptimize()) {
        return;
    }
    if (const ResizeProblem problem = resizeProblem(); problem != ResizeProblem::none) {
        Q_EMIT optimizeRefused(problem);
        return;
    }
    // The disk as it is now: a run may have written results since the jobs were added. A queue of
    // 100,000 takes a quarter of a second to look at, which the window must not wait for.
    const quint64 press = ++m_press;
    // Every image of the queue, until the disk has told which of them are due.
    m_runner->prepare(int(m_jobs->jobs().size()));
    auto* lookAtTheDisk = new QFutureWatcher<UpToDateJobs::Found>(this);
    connect(lookAtTheDisk, &QFutureWatcherBase::finished, this, [this, press, lookAtTheDisk] {
        lookAtTheDisk->deleteLater();
        if (press != m_press) {
            return;
        }
        QList<QUuid> batch = UpToDateJobs::settle(*m_jobs, lookAtTheDisk->result());
        if (batch.isEmpty()) {
            m_runner->tellUpToDate();
        } else {
            m_runner->start(std::move(batch));
        }
    });
    // Of a copy of the queue, which its changes meanwhile leave alone.
    lookAtTheDisk->setFuture(
        QtConcurrent::run([queue = m_jobs->jobs(), request = currentOptions(), folder = currentOutputOptions().folder] {
            MarkedOutputs marked;
            return UpToDateJobs(&marked, request, folder).find(queue);
        }));
}

void AppViewModel::optimizeAgain(const QList<QUuid>& ids)
{
    if (!canOptimize() || ids.isEmpty()) {
        return;
    }
    if (const ResizeProblem problem = resizeProblem(); problem != ResizeProblem::none) {
        Q_EMIT optimizeRefused(problem);
        return;
    }
    const QSet<QUuid> chosen(ids.cbegin(), ids.cend());
    QList<QUuid> batch;
    for (const ImageJob& job : m_jobs->jobs()) {
        if (chosen.contains(job.id)) {
            batch.append(job.id);
        }
    }
    if (!batch.isEmpty()) {
        m_runner->start(std::move(batch));
    }
}

void AppViewModel::stopAll()
{
    ++m_press;
    m_runner->stop();
}
