#include "queue/FolderWatch.h"

#include "model/FileNames.h"
#include "output/OutputMark.h"
#include "output/OutputNames.h"
#include "queue/QueueIntake.h"

#include <QDir>
#include <QFileInfo>
#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A folder tells of entries written, closed after writing, made, or moved in or out.
constexpr uint32_t folderEvents =
    IN_MODIFY | IN_CLOSE_WRITE | IN_CREATE | IN_MOVED_TO | IN_MOVED_FROM | IN_ONLYDIR | IN_EXCL_UNLINK;

qint64 steadyMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool isHidden(const char* name)
{
    return name[0] == '.';
}

} // namespace

FolderWatch::FolderWatch(QObject* parent)
    : QObject(parent)
{
    m_settleTimer.setSingleShot(true);
    connect(&m_settleTimer, &QTimer::timeout, this, &FolderWatch::settle);
}

FolderWatch::~FolderWatch()
{
    clear();
}

bool FolderWatch::watch(const QString& folder)
{
    const QString clean = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (!QFileInfo(clean).isDir()) {
        return false;
    }
    if (m_inotify < 0) {
        m_inotify = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (m_inotify < 0) {
            return false;
        }
        m_notifier = new QSocketNotifier(m_inotify, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &FolderWatch::readEvents);
    }
    if (!m_roots.contains(clean)) {
        m_roots.append(clean);
    }
    // The folder given may be a link; the folders beneath it are never followed through one, as the
    // intake does not follow them.
    const QByteArray path = FileNames::encode(clean);
    char* real = realpath(path.constData(), nullptr);
    const bool found = real != nullptr;
    std::free(real);
    if (!found) {
        return false;
    }
    return watchTree(path, false);
}

void FolderWatch::clear()
{
    m_settleTimer.stop();
    m_changed.clear();
    m_folders.clear();
    m_roots.clear();
    m_limitReached = false;
    delete m_notifier;
    m_notifier = nullptr;
    if (m_inotify >= 0) {
        // Closing the descriptor removes every watch at once.
        ::close(m_inotify);
        m_inotify = -1;
    }
}

bool FolderWatch::watchTree(const QByteArray& path, bool noteImages)
{
    // A root given may be reached through a link; beneath it nothing is.
    const uint32_t mask = m_roots.contains(FileNames::decode(path)) ? folderEvents : folderEvents | IN_DONT_FOLLOW;
    const int descriptor = inotify_add_watch(m_inotify, path.constData(), mask);
    if (descriptor < 0) {
        if (errno == ENOSPC && !m_limitReached) {
            m_limitReached = true;
            Q_EMIT watchLimitReached();
        }
        return false;
    }
    m_folders.insert(descriptor, path);
    DIR* dir = opendir(path.constData());
    if (dir == nullptr) {
        return true;
    }
    QByteArray child = path;
    child += '/';
    const qsizetype prefix = child.size();
    QList<QByteArray> folders;
    while (const dirent* entry = readdir(dir)) {
        if (isHidden(entry->d_name)) {
            continue;
        }
        child.truncate(prefix);
        child += entry->d_name;
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN) {
            struct stat info
            {
            };
            type = lstat(child.constData(), &info) == 0 && S_ISDIR(info.st_mode) ? DT_DIR : DT_REG;
        }
        if (type == DT_DIR) {
            folders.append(child);
        } else if (noteImages && QueueIntake::hasImageExtension(entry->d_name)) {
            noteChanged(child);
        }
    }
    closedir(dir);
    for (const QByteArray& folder : folders) {
        watchTree(folder, noteImages);
    }
    return true;
}

void FolderWatch::forgetTree(const QByteArray& path)
{
    const QByteArray beneath = path + '/';
    for (auto it = m_folders.begin(); it != m_folders.end();) {
        if (it.value() == path || it.value().startsWith(beneath)) {
            inotify_rm_watch(m_inotify, it.key());
            it = m_folders.erase(it);
        } else {
            ++it;
        }
    }
}

void FolderWatch::readEvents()
{
    alignas(inotify_event) char buffer[64 * 1024];
    for (;;) {
        const ssize_t length = ::read(m_inotify, buffer, sizeof buffer);
        if (length <= 0) {
            return;
        }
        for (const char* at = buffer; at < buffer + length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            at += sizeof(inotify_event) + event->len;
            if (event->mask & IN_Q_OVERFLOW) {
                // Events were lost: every tree is looked at again, and whatever is in it is noted.
                const QStringList roots = m_roots;
                for (const QString& root : roots) {
                    watchTree(FileNames::encode(root), true);
                }
                continue;
            }
            if (event->mask & IN_IGNORED) {
                m_folders.remove(event->wd);
                continue;
            }
            const auto folder = m_folders.constFind(event->wd);
            if (folder == m_folders.cend() || event->len == 0 || isHidden(event->name)) {
                continue;
            }
            QByteArray path = *folder;
            path += '/';
            path += event->name;
            if (event->mask & IN_ISDIR) {
                // A folder moved away is no longer where its watches say; one moved in, or made, is
                // watched where it is now.
                if (event->mask & IN_MOVED_FROM) {
                    forgetTree(path);
                } else if (event->mask & (IN_CREATE | IN_MOVED_TO)) {
                    watchTree(path, true);
                }
                continue;
            }
            if (event->mask & IN_MOVED_FROM) {
                continue;
            }
            if (QueueIntake::hasImageExtension(event->name)) {
                noteChanged(path);
            }
        }
    }
}

void FolderWatch::noteChanged(const QByteArray& path)
{
    m_changed.insert(path, steadyMs());
    if (!m_settleTimer.isActive()) {
        m_settleTimer.start(m_settleTime);
    }
}

void FolderWatch::settle()
{
    const qint64 now = steadyMs();
    const qint64 settleMs = m_settleTime.count();
    qint64 nextDue = -1;
    QStringList images;
    for (auto it = m_changed.begin(); it != m_changed.end();) {
        const qint64 due = it.value() + settleMs;
        if (due > now) {
            nextDue = nextDue < 0 ? due : std::min(nextDue, due);
            ++it;
            continue;
        }
        const QByteArray path = it.key();
        it = m_changed.erase(it);
        // Gone again, not a plain file, or still empty (made, not yet written): nothing to optimize.
        struct stat info
        {
        };
        if (lstat(path.constData(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size == 0) {
            continue;
        }
        const qsizetype slash = path.lastIndexOf('/');
        if (isOurOutput(path.left(slash), path.mid(slash + 1))) {
            continue;
        }
        images.append(FileNames::decode(path));
    }
    if (nextDue >= 0) {
        m_settleTimer.start(std::chrono::milliseconds(nextDue - now));
    }
    if (!images.isEmpty()) {
        // Within one batch, in the order of their names: the order of a hash would differ each time.
        images.sort();
        Q_EMIT settled(images);
    }
}

bool FolderWatch::isOurOutput(const QByteArray& folder, const QByteArray& name) const
{
    if (!OutputNames::mayBeOutput(name.constData())) {
        return false;
    }
    const OutputMarkReading reading = OutputMark::read(folder + '/' + name);
    if (reading.mark) {
        return true;
    }
    if (reading.found != OutputMark::Found::unsupported) {
        return false;
    }
    // Names are all there is to go by.
    QList<QByteArray> images;
    if (DIR* dir = opendir(folder.constData())) {
        while (const dirent* entry = readdir(dir)) {
            if (QueueIntake::hasImageExtension(entry->d_name)) {
                images.append(QByteArray(entry->d_name));
            }
        }
        closedir(dir);
    }
    return OutputNames::namedLikeOutput(name, images);
}
