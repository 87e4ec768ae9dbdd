#include "queue/QueueIntake.h"

#include "client/OutputMark.h"
#include "model/FileNames.h"
#include "queue/JobListModel.h"
#include "queue/MarkedOutputs.h"

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

bool endsWithIgnoringCase(const QByteArray& text, const char* suffix)
{
    const qsizetype length = qsizetype(std::strlen(suffix));
    return text.size() > length && strcasecmp(text.constData() + text.size() - length, suffix) == 0;
}

QByteArray baseNameOf(const QByteArray& name)
{
    const qsizetype dot = name.lastIndexOf('.');
    return dot > 0 ? name.left(dot) : name;
}

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
        if (QueueIntake::mayBeOutput(name)) {
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
                if (QueueIntake::namedLikeOutput(QByteArray(name), *imageNames)) {
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

bool QueueIntake::mayBeOutput(const char* name)
{
    const char* dot = std::strrchr(name, '.');
    if (dot != nullptr && (strcasecmp(dot + 1, "webp") == 0 || strcasecmp(dot + 1, "avif") == 0)) {
        return true;
    }
    // "…-optimized" or "…-optimized.EXT"
    const char* marker = std::strstr(name, "-optimized");
    while (marker != nullptr) {
        const char* after = marker + std::strlen("-optimized");
        if (*after == '\0' || (*after == '.' && std::strchr(after + 1, '.') == nullptr)) {
            return true;
        }
        marker = std::strstr(after, "-optimized");
    }
    return false;
}

bool QueueIntake::namedLikeOutput(const QByteArray& name, const QList<QByteArray>& images)
{
    QByteArray stem;
    if (endsWithIgnoringCase(name, ".webp") || endsWithIgnoringCase(name, ".avif")) {
        stem = name.chopped(5);
    } else {
        const qsizetype marker = name.lastIndexOf("-optimized");
        const qsizetype after = marker + qsizetype(std::strlen("-optimized"));
        if (marker <= 0 || (after < name.size() && (name.at(after) != '.' || name.indexOf('.', after + 1) >= 0))) {
            return false;
        }
        stem = name.left(marker);
    }
    return std::any_of(images.cbegin(), images.cend(), [&](const QByteArray& image) {
        return image != name && (image == stem || baseNameOf(image) == stem);
    });
}

QueueIntake::QueueIntake(JobListModel* jobs, MarkedOutputs* outputs)
    : m_jobs(jobs)
    , m_outputs(outputs)
{
}

qsizetype QueueIntake::addFiles(const QList<QUrl>& urls) const
{
    // The queue as it was before this call: the new jobs join it in one block at the end.
    QList<ImageJob> added;
    // Translated once and shared by every new job, rather than looked up and held once for each.
    const QString message = ImageJob::defaultMessage();
    const auto take = [&](const QUrl& url) {
        if (!isDirectoryMarked(url) && !m_jobs->hasJobFor(url)) {
            added.append(ImageJob(url, JobStatus::queued, message));
        }
    };
    for (const QUrl& url : urls) {
        if (isDirectoryMarked(url)) {
            const QList<QUrl> found = collectImages(url, m_outputs);
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

bool QueueIntake::isDirectoryMarked(const QUrl& url)
{
    return url.path().endsWith(QLatin1Char('/'));
}
