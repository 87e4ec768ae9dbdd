#include "output/FolderSync.h"

#include <QMutex>
#include <QSet>

#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace {

QMutex& lock()
{
    static QMutex mutex;
    return mutex;
}

QSet<QByteArray>& pending()
{
    static QSet<QByteArray> folders;
    return folders;
}

} // namespace

void FolderSync::note(const QByteArray& folder)
{
    const QMutexLocker locked(&lock());
    pending().insert(folder);
}

void FolderSync::syncAll()
{
    QSet<QByteArray> folders;
    {
        const QMutexLocker locked(&lock());
        folders = std::exchange(pending(), {});
    }
    for (const QByteArray& folder : std::as_const(folders)) {
        const int fd = open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd >= 0) {
            fsync(fd);
            close(fd);
        }
    }
}
