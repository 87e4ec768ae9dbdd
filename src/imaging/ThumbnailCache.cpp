#include "imaging/ThumbnailCache.h"

#include "imaging/ImageDecoder.h"

#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <utility>

namespace {

// Two at most, and a core left for the window: its painting has helper threads of its own.
int threads()
{
    return std::clamp(QThread::idealThreadCount() - 1, 1, 2);
}
// What an entry for an unreadable file is counted as.
constexpr qint64 unreadableCost = 64;

// How much a thread making thumbnails gives way to the others of the machine (nice(2)'s scale): the
// window's painting, whose helpers are threads too, and the run come first. Yet not the idle class: on a
// busy machine thumbnails must still come.
constexpr int niceness = 10;

QImage decode(const QString& path, int pixels)
{
    return ImageDecoder::scaled(path, QSize(pixels, pixels));
}

void makeNice()
{
    thread_local const bool done = [] {
        // Linux keeps a nice value per thread; the threads libvips starts from this one inherit it.
        return ::setpriority(PRIO_PROCESS, pid_t(::syscall(SYS_gettid)), niceness) == 0;
    }();
    Q_UNUSED(done);
}

} // namespace

ThumbnailCache::ThumbnailCache(int pixels, Maker maker, qint64 budgetBytes, QObject* parent)
    : QObject(parent)
    , m_pixels(pixels)
    , m_maker(maker ? std::move(maker) : Maker(decode))
    , m_thumbnails(budgetBytes)
{
    m_pool.setMaxThreadCount(threads());
}

ThumbnailCache::~ThumbnailCache()
{
    // The threads finish the file they are on; nothing of theirs reaches a cache that is gone.
    for (QFutureWatcher<QImage>* watcher : std::as_const(m_inFlight)) {
        watcher->disconnect(this);
    }
    m_pool.waitForDone();
}

QImage ThumbnailCache::find(const QString& path)
{
    const QImage* found = m_thumbnails.object(path);
    return found != nullptr ? *found : QImage();
}

bool ThumbnailCache::isUnreadable(const QString& path) const
{
    const QImage* found = m_thumbnails.object(path);
    return found != nullptr && found->isNull();
}

void ThumbnailCache::want(const QStringList& paths)
{
    m_waiting.clear();
    for (const QString& path : paths) {
        if (!m_thumbnails.contains(path) && !m_inFlight.contains(path) && !m_waiting.contains(path)) {
            m_waiting.append(path);
        }
    }
    startNext();
}

void ThumbnailCache::startNext()
{
    while (m_inFlight.size() < m_pool.maxThreadCount() && !m_waiting.isEmpty()) {
        const QString path = m_waiting.takeFirst();
        auto* watcher = new QFutureWatcher<QImage>(this);
        connect(watcher, &QFutureWatcher<QImage>::finished, this, [this, path, watcher] { finished(path, watcher); });
        m_inFlight.insert(path, watcher);
        ++m_made;
        watcher->setFuture(QtConcurrent::run(
            &m_pool,
            [](const Maker& maker, const QString& file, int pixels) {
                makeNice();
                return maker(file, pixels);
            },
            m_maker, path, m_pixels));
    }
}

void ThumbnailCache::finished(const QString& path, QFutureWatcher<QImage>* watcher)
{
    m_inFlight.remove(path);
    QImage image = watcher->result();
    watcher->deleteLater();
    const qint64 cost = image.isNull() ? unreadableCost : std::max<qint64>(unreadableCost, image.sizeInBytes());
    m_thumbnails.insert(path, new QImage(std::move(image)), cost);
    Q_EMIT ready(path);
    startNext();
}
