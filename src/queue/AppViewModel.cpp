#include "AppViewModel.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

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

} // namespace

AppViewModel::AppViewModel(std::shared_ptr<ApiKeyStore> store, Optimizer optimizer, QObject* parent)
    : QObject(parent)
    , m_store(store ? std::move(store) : std::make_shared<ApiKeyStore>())
    , m_optimizer(std::move(optimizer))
    , m_jobs(new JobListModel(this))
{
}

AppViewModel::~AppViewModel() = default;

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

QList<QUrl> AppViewModel::collectImages(const QUrl& folder)
{
    static const QSet<QString> accepted{
        QStringLiteral("jpg"),  QStringLiteral("jpeg"), QStringLiteral("png"), QStringLiteral("gif"),
        QStringLiteral("tif"),  QStringLiteral("tiff"), QStringLiteral("bmp"), QStringLiteral("webp"),
        QStringLiteral("heic"), QStringLiteral("heif"),
    };
    QList<QUrl> images;
    if (!folder.isLocalFile()) {
        return images;
    }
    // Hidden entries are left out, a hidden folder with everything beneath it; links to folders are
    // not followed, so a link cycle cannot trap the walk. Unreadable parts are passed over.
    QDirIterator it(folder.toLocalFile(), QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = it.fileName();
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        if (dot < 0) {
            continue;
        }
        if (accepted.contains(name.sliced(dot + 1).toLower())) {
            images.append(QUrl::fromLocalFile(path));
        }
    }
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
    int count = 0;
    for (const ImageJob& job : m_jobs->jobs()) {
        if (job.status != JobStatus::succeeded) {
            ++count;
        }
    }
    return count;
}

bool AppViewModel::hasOptimizeTask() const
{
    return false;
}

void AppViewModel::optimizeAll()
{
}

void AppViewModel::stopAll()
{
}
