#include "AppViewModel.h"

#include "Error.h"
#include "OptimizeTask.h"
#include "TovalinClient.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTimer>
#include <qcoro/qcorotimer.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <dirent.h>
#include <exception>
#include <strings.h>
#include <sys/stat.h>
#include <utility>

namespace {

bool isDirectoryMarked(const QUrl& url)
{
    return url.path().endsWith(QLatin1Char('/'));
}

bool isSpaceOrTab(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

const QString stoppedMessage = QStringLiteral("Stopped.");
constexpr std::chrono::seconds progressNoteDelay{1};

// Lets the event loop run once before the caller goes on.
QCoro::Task<> yieldToEventLoop()
{
    co_await QCoro::sleepFor(std::chrono::milliseconds(0));
}

// The service client: a stateless value, one for the view model's life, copied with the optimizer
// into every call so that it outlives the call.
AppViewModel::Optimizer serviceClient()
{
    return
        [client = TovalinClient()](QUrl file, TovalinOptions options, CancelToken token, OutputNames::Naming naming) {
            return client.optimize(std::move(file), std::move(options), std::move(token), naming);
        };
}

} // namespace

AppViewModel::AppViewModel(std::shared_ptr<ApiKeyStore> store, Optimizer optimizer, QObject* parent)
    : QObject(parent)
    , m_store(store ? std::move(store) : std::make_shared<ApiKeyStore>())
    , m_optimizer(optimizer ? std::move(optimizer) : serviceClient())
    , m_jobs(new JobListModel(this))
{
    const auto invalidate = [this] { m_sharedBaseNames.invalidate(); };
    connect(m_jobs, &QAbstractItemModel::rowsInserted, this, invalidate);
    connect(m_jobs, &QAbstractItemModel::rowsRemoved, this, invalidate);
    connect(m_jobs, &QAbstractItemModel::modelReset, this, invalidate);
}

AppViewModel::~AppViewModel()
{
    // No run may write into a view model that is going away: make every run stale, then abort the
    // transfer in flight so that nothing keeps running for nobody.
    ++m_generation;
    if (m_optimizeTask) {
        m_optimizeTask->cancel();
    }
}

QString AppViewModel::apiKey() const
{
    return m_store->apiKey();
}

void AppViewModel::setApiKey(const QString& key)
{
    m_store->setApiKey(key);
    Q_EMIT apiKeyChanged();
}

void AppViewModel::setCompression(Compression value)
{
    m_compression = value;
    Q_EMIT compressionChanged();
}

void AppViewModel::setConvertToWebP(bool value)
{
    m_convertToWebP = value;
    Q_EMIT convertToWebPChanged();
}

void AppViewModel::setConvertToAVIF(bool value)
{
    m_convertToAVIF = value;
    Q_EMIT convertToAVIFChanged();
}

void AppViewModel::setResizeMode(ResizeMode value)
{
    m_resizeMode = value;
    Q_EMIT resizeModeChanged();
}

void AppViewModel::setResizeWidth(const QString& value)
{
    m_resizeWidth = value;
    Q_EMIT resizeWidthChanged();
}

void AppViewModel::setResizeHeight(const QString& value)
{
    m_resizeHeight = value;
    Q_EMIT resizeHeightChanged();
}

void AppViewModel::setCmykToRgb(bool value)
{
    m_cmykToRgb = value;
    Q_EMIT cmykToRgbChanged();
}

void AppViewModel::setUpscale(UpscaleFactor value)
{
    m_upscale = value;
    Q_EMIT upscaleChanged();
}

void AppViewModel::setRemoveBackground(bool value)
{
    m_removeBackground = value;
    Q_EMIT removeBackgroundChanged();
}

void AppViewModel::setKeepExif(bool value)
{
    m_keepExif = value;
    Q_EMIT keepExifChanged();
}

void AppViewModel::setIsProcessing(bool value)
{
    m_isProcessing = value;
    Q_EMIT isProcessingChanged();
}

void AppViewModel::setStatusMessage(const QString& value)
{
    m_statusMessage = value;
    Q_EMIT statusMessageChanged();
}

TovalinOptions AppViewModel::currentOptions() const
{
    return TovalinOptions{
        .apiKey = apiKey().trimmed(),
        .compression = m_compression,
        .convertToWebP = m_convertToWebP,
        .convertToAVIF = m_convertToAVIF,
        .resizeMode = m_resizeMode,
        .resizeWidth = parseDimension(m_resizeWidth),
        .resizeHeight = parseDimension(m_resizeHeight),
        .cmykToRgb = m_cmykToRgb,
        .upscale = m_upscale,
        .removeBackground = m_removeBackground,
        .keepExif = m_keepExif,
    };
}

std::optional<qint64> AppViewModel::parseDimension(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isSpaceOrTab(text.at(begin))) {
        ++begin;
    }
    while (end > begin && isSpaceOrTab(text.at(end - 1))) {
        --end;
    }
    const QStringView trimmed = QStringView(text).sliced(begin, end - begin);
    if (trimmed.isEmpty()) {
        return std::nullopt;
    }
    // Only ASCII digits after an optional sign: QString's own conversion would also take spaces and
    // other scripts' digits.
    const qsizetype digitsFrom = (trimmed.front() == QLatin1Char('+') || trimmed.front() == QLatin1Char('-')) ? 1 : 0;
    if (digitsFrom == trimmed.size()) {
        return std::nullopt;
    }
    for (qsizetype i = digitsFrom; i < trimmed.size(); ++i) {
        const char16_t c = trimmed.at(i).unicode();
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
    }
    bool ok = false;
    const qint64 value = trimmed.toLongLong(&ok, 10);
    if (!ok) {
        return std::nullopt;
    }
    return value;
}

QUrl AppViewModel::directoryUrl(const QString& path)
{
    QString marked = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (!marked.endsWith(QLatin1Char('/'))) {
        marked += QLatin1Char('/');
    }
    return QUrl::fromLocalFile(marked);
}

void AppViewModel::addFiles(const QList<QUrl>& urls)
{
    QSet<QUrl> known;
    known.reserve(m_jobs->jobs().size());
    for (const ImageJob& job : m_jobs->jobs()) {
        known.insert(job.url);
    }

    QList<ImageJob> added;
    const auto take = [&](const QUrl& url) {
        if (!isDirectoryMarked(url) && !known.contains(url)) {
            added.append(ImageJob(url));
        }
    };
    for (const QUrl& url : urls) {
        if (isDirectoryMarked(url)) {
            const QList<QUrl> found = collectImages(url);
            for (const QUrl& image : found) {
                take(image);
            }
        } else {
            take(url);
        }
    }
    if (added.isEmpty()) {
        return;
    }
    m_jobs->append(std::move(added));
    Q_EMIT jobsChanged();
}

namespace {

bool hasImageExtension(const char* name)
{
    const char* dot = std::strrchr(name, '.');
    if (dot == nullptr) {
        return false;
    }
    static const char* const accepted[] = {"jpg", "jpeg", "png", "gif", "tif", "tiff", "bmp", "webp", "heic", "heif"};
    for (const char* extension : accepted) {
        if (strcasecmp(dot + 1, extension) == 0) {
            return true;
        }
    }
    return false;
}

// The folder walk, on the directory entries themselves: a hidden entry (a name starting with ".") is
// left out, a hidden folder with everything beneath it; links to folders are not followed, so a link
// cycle cannot trap the walk; a folder that cannot be read is passed over. The entry type comes with
// the entry, so a file costs no extra system call, which keeps a tree of 100,000 files quick.
void walk(const QByteArray& folder, QList<QUrl>& images)
{
    DIR* dir = opendir(folder.constData());
    if (dir == nullptr) {
        return;
    }
    QByteArray path = folder;
    path += '/';
    const qsizetype prefix = path.size();
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.') {
            continue;
        }
        path.truncate(prefix);
        path += entry->d_name;
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN || type == DT_LNK) {
            struct stat info
            {
            };
            if (type == DT_UNKNOWN ? lstat(path.constData(), &info) != 0 : stat(path.constData(), &info) != 0) {
                continue;
            }
            const bool link = type == DT_LNK;
            type = S_ISDIR(info.st_mode) ? (link ? DT_LNK : DT_DIR) : S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        if (type == DT_DIR) {
            walk(path, images);
        } else if (type == DT_REG && hasImageExtension(entry->d_name)) {
            images.append(QUrl::fromLocalFile(QFile::decodeName(path)));
        }
    }
    closedir(dir);
}

} // namespace

QList<QUrl> AppViewModel::collectImages(const QUrl& folder)
{
    QList<QUrl> images;
    if (!folder.isLocalFile()) {
        return images;
    }
    QByteArray root = QFile::encodeName(folder.toLocalFile());
    while (root.size() > 1 && root.endsWith('/')) {
        root.chop(1);
    }
    walk(root, images);
    return images;
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
    Q_EMIT jobsChanged();
}

bool AppViewModel::canOptimize() const
{
    return !apiKey().trimmed().isEmpty() && !m_jobs->jobs().isEmpty() && !m_isProcessing;
}

int AppViewModel::remainingCount() const
{
    return tally().remaining;
}

AppViewModel::Savings AppViewModel::savings() const
{
    return tally().savings;
}

AppViewModel::Tally AppViewModel::tally() const
{
    return m_jobs->tally();
}

bool AppViewModel::hasOptimizeTask() const
{
    return m_optimizeTask != nullptr;
}

void AppViewModel::setOptimizeTask(std::unique_ptr<OptimizeTask> task)
{
    // Dropping a handle leaves its run to wind down on its own; it may be the caller itself.
    m_optimizeTask = std::move(task);
    Q_EMIT optimizeTaskChanged();
}

OutputNames::Naming AppViewModel::outputNaming(const QUrl& source)
{
    return m_sharedBaseNames.isShared(source, m_jobs->jobs()) ? OutputNames::Naming::sourceName
                                                              : OutputNames::Naming::baseName;
}

void AppViewModel::unlistReplacedFiles(const QUuid& writer, const QList<DownloadedFile>& written)
{
    // The naming keeps the jobs of one queue apart, yet a source queued twice in one call, or one
    // without extension beside one with it, still writes where another row points.
    const auto replaced = [&written](const DownloadedFile& listed) {
        return std::any_of(written.cbegin(), written.cend(),
                           [&listed](const DownloadedFile& file) { return file.path == listed.path; });
    };
    QList<QUuid> affected;
    for (const ImageJob& job : m_jobs->jobs()) {
        if (job.id != writer && std::any_of(job.downloads.cbegin(), job.downloads.cend(), replaced)) {
            affected.append(job.id);
        }
    }
    for (const QUuid& id : std::as_const(affected)) {
        updateJob(id, [&replaced](ImageJob& job) { job.downloads.removeIf(replaced); });
    }
}

bool AppViewModel::updateJob(const QUuid& id, const std::function<void(ImageJob&)>& change)
{
    if (!m_jobs->update(id, change)) {
        return false;
    }
    Q_EMIT jobsChanged();
    return true;
}

void AppViewModel::optimizeAll()
{
    if (!canOptimize()) {
        return;
    }
    setIsProcessing(true);
    setStatusMessage(QStringLiteral("Optimizing %1 image(s)…").arg(m_jobs->jobs().size()));
    QList<QUuid> batch;
    batch.reserve(m_jobs->jobs().size());
    for (const ImageJob& job : m_jobs->jobs()) {
        batch.append(job.id);
    }
    if (m_optimizeTask) {
        m_optimizeTask->cancel();
    }
    auto task = std::make_unique<OptimizeTask>(++m_generation);
    const CancelToken token = task->token();
    // The body first yields to the event loop, so the handle is stored before any job is touched.
    task->setTask(runBatch(QPointer<AppViewModel>(this), std::move(batch), token, m_generation));
    setOptimizeTask(std::move(task));
}

void AppViewModel::stopAll()
{
    // The run's state is settled before the cancellation fires: a transfer may fail at once, inside
    // cancel(), and the run then goes on from a consistent queue.
    std::unique_ptr<OptimizeTask> stopped = std::move(m_optimizeTask);
    setOptimizeTask(nullptr);
    setIsProcessing(false);
    for (const ImageJob& job : m_jobs->jobs()) {
        if (job.status == JobStatus::running) {
            updateJob(job.id, [](ImageJob& j) {
                j.status = JobStatus::failed;
                j.message = stoppedMessage;
            });
        }
    }
    setStatusMessage(QStringLiteral("Stopped by user."));
    if (stopped) {
        stopped->cancel();
    }
}

QCoro::Task<> AppViewModel::runBatch(QPointer<AppViewModel> self, QList<QUuid> batch, CancelToken token,
                                     quint64 generation)
{
    co_await yieldToEventLoop();
    for (const QUuid& id : batch) {
        // A cancelled run goes on marking its jobs stopped, unless a newer run has taken the queue over.
        if (self.isNull() || !self->isCurrentRun(generation)) {
            co_return;
        }
        co_await processJob(self, id, token, generation);
        if (self.isNull() || !self->isCurrentRun(generation)) {
            co_return;
        }
        // Jobs may fail without ever waiting (a missing file); the window must not freeze meanwhile.
        co_await yieldToEventLoop();
    }
    if (self.isNull() || !self->isCurrentRun(generation)) {
        co_return;
    }
    self->setIsProcessing(false);
    self->setOptimizeTask(nullptr);
    self->setStatusMessage(QStringLiteral("Done."));
}

QCoro::Task<> AppViewModel::processJob(QPointer<AppViewModel> self, QUuid id, CancelToken token, quint64 generation)
{
    const ImageJob* job = self->m_jobs->find(id);
    if (job == nullptr) {
        co_return;
    }
    const QUrl file = job->url;
    if (token.isCancelled()) {
        // Taken up and stopped in the same turn, so the row goes straight to stopped; no request goes out.
        self->updateJob(id, [](ImageJob& j) {
            j.status = JobStatus::failed;
            j.message = stoppedMessage;
        });
        co_return;
    }
    self->updateJob(id, [](ImageJob& j) {
        j.status = JobStatus::running;
        j.message = QStringLiteral("Sending to Tovalin…");
    });
    const QPointer<QTimer> note = self->startProgressNote(id, generation);
    // What the saved files are measured against; the upload fails if the file changes meanwhile.
    const qint64 originalSize = QFileInfo(file.toLocalFile()).size();
    // Settings changed during a run apply to the jobs that start after the change; the names follow
    // the queue of this moment.
    const TovalinOptions options = self->currentOptions();
    const OutputNames::Naming naming = self->outputNaming(file);
    // A copy, so the optimizer outlives the call even if the view model goes meanwhile.
    const Optimizer optimizer = self->m_optimizer;

    std::optional<QList<DownloadedFile>> files;
    QString failure;
    bool stopped = false;
    try {
        files = co_await optimizer(file, options, token, naming);
    } catch (const Error& error) {
        stopped = error.isCancellation();
        failure = error.description();
    } catch (const std::exception& error) {
        failure = QString::fromUtf8(error.what());
    } catch (...) {
        failure = QStringLiteral("The image could not be optimized.");
    }

    if (self.isNull()) {
        co_return;
    }
    // Once the call has ended the job is no longer running for this run, so the note would say
    // nothing; dropping it keeps a long queue of quick failures from piling up timers.
    delete note.data();
    // Whether or not the job and its run are still there, its files are on disk.
    if (files) {
        self->unlistReplacedFiles(id, *files);
    }
    // The job may have been removed, and the run stopped and replaced, while the client worked.
    if (!self->isCurrentRun(generation)) {
        co_return;
    }
    if (files) {
        self->updateJob(id, [&files, originalSize](ImageJob& j) {
            j.downloads = std::move(*files);
            j.originalSize = originalSize;
            j.status = JobStatus::succeeded;
            j.message = QStringLiteral("Optimized and saved locally.");
        });
    } else {
        self->updateJob(id, [&](ImageJob& j) {
            j.status = JobStatus::failed;
            j.message = stopped ? stoppedMessage : failure;
        });
    }
}

QPointer<QTimer> AppViewModel::startProgressNote(const QUuid& id, quint64 generation)
{
    // A child timer: it goes with the view model, and never fires into one that is gone.
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
        updateJob(id, [](ImageJob& j) { j.message = QStringLiteral("Image is being optimized…"); });
    });
    timer->start(progressNoteDelay);
    return timer;
}
