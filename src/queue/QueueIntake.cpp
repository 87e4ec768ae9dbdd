#include "queue/QueueIntake.h"

#include "model/FileNames.h"
#include "output/BriefMark.h"
#include "output/MarkedOutputs.h"
#include "output/OutputMark.h"
#include "output/OutputNames.h"
#include "output/ParallelFor.h"
#include "queue/JobListModel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <numeric>
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

// A file the walk found whose name this program gives its outputs: whether it is one, and so no
// source, is told by its mark, which is read once the walk is over, spread over the cores.
struct MaybeOutput
{
    QByteArray name;
    qsizetype folder;     // in Walk::folders
    qsizetype image = -1; // in Walk::images, when it has one of the ten extensions
};

struct Folder
{
    QByteArray path;
    MarkedOutputs::Folder found;
};

// What a walk carries down into every folder, and what it finds.
struct Walk
{
    // The real path of the folder given, with a "/" at its end.
    QByteArray within;
    // The paths of the images in the order found; a name that may be an output is held in its place
    // until its mark is read.
    QList<QByteArray> images;
    QList<MaybeOutput> maybeOutputs;
    QList<Folder> folders;
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
// mark (after the walk, see settle()), so a file costs no system call of its own and a tree of
// 100,000 files is walked about as quickly as it is listed.
void walk(const QByteArray& folder, Walk& context)
{
    DIR* dir = opendir(folder.constData());
    if (dir == nullptr) {
        return;
    }
    const qsizetype folderIndex = context.folders.size();
    context.folders.append({folder, {}});
    QByteArray path = folder;
    path += '/';
    const qsizetype prefix = path.size();
    while (const dirent* entry = readdir(dir)) {
        const char* name = entry->d_name;
        if (name[0] == '.') {
            continue;
        }
        // Written in place: QByteArray's append takes its general road for every piece.
        const std::size_t length = std::strlen(name);
        path.resize(prefix + qsizetype(length));
        std::memcpy(path.data() + prefix, name, length);
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
                context.images.append(path);
            }
            continue;
        }
        if (OutputNames::mayBeOutput(name)) {
            context.maybeOutputs.append({QByteArray(name), folderIndex, image ? context.images.size() : -1});
        }
        if (image) {
            context.images.append(path);
        }
    }
    closedir(dir);
}

// Reads the marks of the names that may be outputs and leaves out those that are: known by their
// mark, or, on a file system that keeps no marks, by their names beside their source's.
void settle(Walk& context)
{
    // Folder by folder, so that each is opened once and its files are asked for by name in it; a large
    // folder in parts, so that it too is spread.
    constexpr qsizetype perPart = 64;
    QList<qsizetype> order(context.maybeOutputs.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&context](qsizetype a, qsizetype b) {
        return context.maybeOutputs.at(a).folder < context.maybeOutputs.at(b).folder;
    });
    QList<qsizetype> starts;
    for (qsizetype i = 0; i < order.size(); ++i) {
        if (i == 0 || i - starts.constLast() == perPart ||
            context.maybeOutputs.at(order.at(i)).folder != context.maybeOutputs.at(order.at(i - 1)).folder) {
            starts.append(i);
        }
    }
    const MaybeOutput* const candidates = context.maybeOutputs.constData();
    // Made once the walk is over, at their number: a mark's reading is large beside its name, and a
    // list growing with the walk would copy them all at each step.
    QList<BriefMarkReading> readings(context.maybeOutputs.size());
    BriefMarkReading* const read = readings.data();
    ParallelFor::each(
        starts.size(),
        [&](qsizetype group) {
            const qsizetype end = group + 1 < starts.size() ? starts.at(group + 1) : order.size();
            BriefMark::Folder folder(context.folders.at(candidates[order.at(starts.at(group))].folder).path);
            for (qsizetype i = starts.at(group); i < end; ++i) {
                const qsizetype candidate = order.at(i);
                read[candidate] = folder.read(candidates[candidate].name);
            }
        },
        4);
    QList<bool> dropped(context.images.size(), false);
    // Read only on a file system without marks, where names are all there is to go by.
    qsizetype namesOf = -1;
    QList<QByteArray> imageNames;
    for (qsizetype i = 0; i < context.maybeOutputs.size(); ++i) {
        const MaybeOutput& candidate = candidates[i];
        BriefMarkReading& reading = readings[i];
        Folder& folder = context.folders[candidate.folder];
        folder.found.marksKept = reading.found != OutputMark::Found::unsupported;
        if (reading.mark) {
            folder.found.add(candidate.name, std::move(*reading.mark));
            if (candidate.image >= 0) {
                dropped[candidate.image] = true;
            }
            continue;
        }
        if (candidate.image >= 0 && reading.found == OutputMark::Found::unsupported) {
            if (namesOf != candidate.folder) {
                imageNames = imagesIn(folder.path);
                namesOf = candidate.folder;
            }
            if (OutputNames::namedLikeOutput(candidate.name, imageNames)) {
                dropped[candidate.image] = true;
            }
        }
    }
    qsizetype kept = 0;
    for (qsizetype i = 0; i < context.images.size(); ++i) {
        if (!dropped.at(i)) {
            context.images[kept++] = std::move(context.images[i]);
        }
    }
    context.images.resize(kept);
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
    // Made at once: a job is large, and a list grown one by one copies them all at each step.
    added.reserve(found.size());
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
    Walk context;
    context.within = QByteArray(real);
    std::free(real);
    if (!context.within.endsWith('/')) {
        context.within += '/';
    }
    walk(root, context);
    settle(context);
    images.reserve(context.images.size());
    for (const QByteArray& path : std::as_const(context.images)) {
        images.append(FileNames::localUrl(FileNames::decode(path)));
    }
    if (outputs != nullptr) {
        for (Folder& folder : context.folders) {
            outputs->add(folder.path, std::move(folder.found));
        }
    }
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
