#include "QueueIntake.h"

#include "JobListModel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cstring>
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <utility>

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

QueueIntake::QueueIntake(JobListModel* jobs)
    : m_jobs(jobs)
{
}

qsizetype QueueIntake::addFiles(const QList<QUrl>& urls) const
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
    const qsizetype count = added.size();
    if (count > 0) {
        m_jobs->append(std::move(added));
    }
    return count;
}

QList<QUrl> QueueIntake::collectImages(const QUrl& folder)
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

QUrl QueueIntake::directoryUrl(const QString& path)
{
    QString marked = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (!marked.endsWith(QLatin1Char('/'))) {
        marked += QLatin1Char('/');
    }
    return QUrl::fromLocalFile(marked);
}

bool QueueIntake::isDirectoryMarked(const QUrl& url)
{
    return url.path().endsWith(QLatin1Char('/'));
}
