#include "output/OutputWriter.h"

#include "model/FileNames.h"

#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

OutputWriter::OutputWriter(OutputNames names, std::optional<OutputMark::Source> source, QByteArray settings,
                           QList<OutputKind> asked, bool keepDates)
    : m_names(std::move(names))
    , m_source(std::move(source))
    , m_settings(std::move(settings))
    , m_asked(std::move(asked))
    , m_keepDates(keepDates)
{
}

QString OutputWriter::unwritableFolder() const
{
    // A folder of results may not be there yet: then the one above that will hold it must be writable.
    QString folder = m_names.folder();
    while (true) {
        struct stat info
        {
        };
        const QByteArray encoded = FileNames::encode(folder);
        if (stat(encoded.constData(), &info) == 0) {
            return access(encoded.constData(), W_OK | X_OK) == 0 ? QString() : folder;
        }
        const QString above = QFileInfo(folder).absolutePath();
        if (errno != ENOENT || above == folder) {
            return folder;
        }
        folder = above;
    }
}

bool OutputWriter::heldByAnother(const QString& path) const
{
    const QByteArray encoded = FileNames::encode(path);
    struct stat info
    {
    };
    if (lstat(encoded.constData(), &info) != 0) {
        return false;
    }
    const OutputMarkReading reading = OutputMark::read(encoded);
    switch (reading.found) {
    case OutputMark::Found::unsupported:
        return false;
    case OutputMark::Found::unmarked:
        return true;
    case OutputMark::Found::marked:
        break;
    }
    return reading.mark->source.reference != m_names.sourceReference();
}

std::optional<OutputWriter::Placement> OutputWriter::place(OutputKind kind, const QString& extension) const
{
    const std::optional<QString> destination = m_names.destination(m_names.name(kind, extension));
    if (!destination) {
        return std::nullopt;
    }
    if (!heldByAnother(*destination)) {
        return Placement{*destination, QString()};
    }
    const std::optional<QString> instead = m_names.destination(m_names.longName(kind, extension));
    if (!instead || *instead == *destination || heldByAnother(*instead)) {
        return std::nullopt;
    }
    return Placement{*instead, *destination};
}

std::unique_ptr<OutputFile> OutputWriter::open(OutputKind kind, const Placement& placement) const
{
    // Until the job has saved everything, the mark lists nothing as saved.
    OutputMark mark;
    if (m_source) {
        mark = OutputMark{kind, *m_source, m_settings, -1, m_asked, {}};
    }
    std::optional<qint64> modified;
    if (m_keepDates && m_source) {
        modified = m_source->modifiedNs;
    }
    auto file = std::make_unique<OutputFile>(kind, placement.path, placement.notReplaced, std::move(mark), modified);
    if (!file->open()) {
        return nullptr;
    }
    return file;
}

namespace {

QList<OutputKind> kindsOf(const QList<const OutputFile*>& files)
{
    QList<OutputKind> kinds;
    for (const OutputFile* file : files) {
        kinds.append(file->kind());
    }
    return kinds;
}

// A mark that is written at all and does not list them yet.
bool lacks(const OutputFile* file, const QList<OutputKind>& kinds)
{
    return !file->mark().source.reference.isEmpty() && file->mark().saved != kinds;
}

} // namespace

bool OutputWriter::marksSaved(const QList<const OutputFile*>& files)
{
    const QList<OutputKind> kinds = kindsOf(files);
    return std::none_of(files.cbegin(), files.cend(), [&kinds](const OutputFile* file) { return lacks(file, kinds); });
}

void OutputWriter::markSaved(const QList<const OutputFile*>& files)
{
    const QList<OutputKind> kinds = kindsOf(files);
    for (const OutputFile* file : files) {
        if (!lacks(file, kinds)) {
            continue;
        }
        OutputMark mark = file->mark();
        mark.saved = kinds;
        mark.writeTo(FileNames::encode(file->path()));
    }
}

QThreadPool* OutputWriter::pool()
{
    // A sync waits for the disk, not for a processor: a few at once, whatever the number of cores.
    static QThreadPool* const writers = [] {
        auto* made = new QThreadPool;
        made->setMaxThreadCount(4);
        return made;
    }();
    return writers;
}
