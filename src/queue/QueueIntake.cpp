#include "queue/QueueIntake.h"

#include "model/FileNames.h"
#include "output/MarkedOutputs.h"
#include "output/OutputMark.h"
#include "output/OutputNames.h"
#include "queue/JobListModel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <optional>
#include <strings.h>
#include <sys/stat.h>
#include <utility>

namespace {

// The names in `folder` with one of the ten extensions.
QList<QByteArray> imagesIn(const QByteArray& folder)
{
    QList<QByteArray> names;
    if (DIR* dir = opendir(folder.constData())) {
        while (const dirent* entry = readdir(dir)) {
            if (QueueIntake::hasImageExtension(entry->d_name)) {
                names.append(QByteArray(entry->d_name));
            }
        }
        closedir(dir);
    }
    return names;
}

// What a walk carries down into every folder.
struct Walk
{
    // The real path of the folder given, with a "/" at its end.
    QByteArray within;
    QList<QUrl>* images;
    MarkedOutputs* outputs;
};

// What a link found in the walk stands for: what it leads to while that lies within the folder given
// (a tree may hold a link to ~/.ssh, whose files are not images to send anywhere); a link to a folder
// is never followed, so that a cycle cannot trap the walk.
unsigned char linkedType(const QByteArray& path, const Walk& walk)
{
    char* resolved = realpath(path.constData(), nullptr);
    if (resolved == nullptr) {
        return DT_UNKNOWN;
    }
    const bool within = std::strncmp(resolved, walk.within.constData(), std::size_t(walk.within.size())) == 0;
    struct stat info
    {
    };
    const bool found = within && stat(resolved, &info) == 0;
    std::free(resolved);
    if (!found || S_ISDIR(info.st_mode)) {
        return DT_UNKNOWN;
    }
    return S_ISREG(info.st_mode) ? DT_REG : DT_FIFO;
}

// The folder walk, on the directory entries themselves: a hidden entry (a name starting with ".") is
// left out, a hidden folder with everything beneath it; a folder that cannot be read is passed over.
// The entry type comes with the entry, and only a name this program gives its outputs is asked for a
// mark, so a file costs no system call of its own and a tree of 100,000 files is walked about as
// quickly as it is listed.
void walk(const QByteArray& folder, const Walk& context)
{
    DIR* dir = opendir(folder.constData());
    if (dir == nullptr) {
        return;
    }
    QByteArray path = folder;
    path += '/';
    const qsizetype prefix = path.size();
    MarkedOutputs::Folder found;
    // Read only on a file system without marks, where names are all there is to go by.
    std::optional<QList<QByteArray>> imageNames;
    while (const dirent* entry = readdir(dir)) {
        const char* name = entry->d_name;
        if (name[0] == '.') {
            continue;
        }
        path.truncate(prefix);
        path += name;
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN) {
            struct stat info
            {
            };
            if (lstat(path.constData(), &info) != 0) {
                continue;
            }
            type = S_ISDIR(info.st_mode)   ? DT_DIR
                   : S_ISREG(info.st_mode) ? DT_REG
                   : S_ISLNK(info.st_mode) ? DT_LNK
                                           : DT_FIFO;
        }
        if (type == DT_LNK) {
            type = linkedType(path, context);
        }
        if (type == DT_DIR) {
            walk(path, context);
            continue;
        }
        const bool image = QueueIntake::hasImageExtension(name);
        if (type != DT_REG) {
            // A FIFO, device or socket named like an image is queued as one given by itself is, and
            // fails as that one does, rather than being passed over without a word.
            if (image && type != DT_UNKNOWN) {
                context.images->append(QUrl::fromLocalFile(FileNames::decode(path)));
            }
            continue;
        }
        if (OutputNames::mayBeOutput(name)) {
            const OutputMarkReading reading = OutputMark::read(path);
            found.marksKept = reading.found != OutputMark::Found::unsupported;
            if (reading.mark) {
                found.add(QByteArray(name), *reading.mark);
                continue;
            }
            if (image && reading.found == OutputMark::Found::unsupported) {
                if (!imageNames) {
                    imageNames = imagesIn(folder);
                }
                if (OutputNames::namedLikeOutput(QByteArray(name), *imageNames)) {
                    continue;
                }
            }
        }
        if (image) {
            context.images->append(QUrl::fromLocalFile(FileNames::decode(path)));
        }
    }
    closedir(dir);
    if (context.outputs != nullptr) {
        context.outputs->add(folder, std::move(found));
    }
}

} // namespace

bool QueueIntake::hasImageExtension(const char* name)
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

QueueIntake::QueueIntake(JobListModel* jobs, MarkedOutputs* outputs)
    : m_jobs(jobs)
    , m_outputs(outputs)
{
}

qsizetype QueueIntake::addFiles(const QList<QUrl>& urls) const
{
    QList<std::pair<QUrl, QString>> found;
    for (const QUrl& url : urls) {
        if (!isDirectoryMarked(url)) {
            found.append({url, QString()});
            continue;
        }
        const QString folder = folderPath(url);
        for (const QUrl& image : collectImages(url, m_outputs)) {
            found.append({image, folder});
        }
    }
    return append(found);
}

qsizetype QueueIntake::addImages(const QList<QUrl>& images, const QUrl& folder) const
{
    const QString addedFrom = folder.isEmpty() ? QString() : folderPath(folder);
    QList<std::pair<QUrl, QString>> found;
    found.reserve(images.size());
    for (const QUrl& image : images) {
        found.append({image, addedFrom});
    }
    return append(found);
}

qsizetype QueueIntake::append(const QList<std::pair<QUrl, QString>>& found) const
{
    // The queue as it was before this call: the new jobs join it in one block at the end.
    QList<ImageJob> added;
    // Translated once and shared by every new job, rather than looked up and held once for each.
    const QString message = ImageJob::defaultMessage();
    for (const auto& [url, addedFrom] : found) {
        if (!isDirectoryMarked(url) && !m_jobs->hasJobFor(url)) {
            added.append(ImageJob(url, JobStatus::queued, message));
            added.last().addedFrom = addedFrom;
        }
    }
    const qsizetype count = added.size();
    if (count > 0) {
        if (m_arrival) {
            m_arrival(added);
        }
        m_jobs->append(std::move(added));
    }
    return count;
}

QList<QUrl> QueueIntake::collectImages(const QUrl& folder, MarkedOutputs* outputs)
{
    QList<QUrl> images;
    if (!folder.isLocalFile()) {
        return images;
    }
    QByteArray root = FileNames::encode(folder.toLocalFile());
    while (root.size() > 1 && root.endsWith('/')) {
        root.chop(1);
    }
    char* real = realpath(root.constData(), nullptr);
    if (real == nullptr) {
        return images;
    }
    Walk context{QByteArray(real), &images, outputs};
    std::free(real);
    if (!context.within.endsWith('/')) {
        context.within += '/';
    }
    walk(root, context);
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

QString QueueIntake::folderPath(const QUrl& folder)
{
    return QDir::cleanPath(folder.toLocalFile());
}

bool QueueIntake::isDirectoryMarked(const QUrl& url)
{
    return url.path().endsWith(QLatin1Char('/'));
}
