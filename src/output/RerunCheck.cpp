#include "output/RerunCheck.h"

#include "model/FileNames.h"
#include "output/ParallelFor.h"

#include <QStringBuilder>

#include <algorithm>
#include <fcntl.h>
#include <optional>
#include <unistd.h>
#include <utility>

// The folder of a run of sources, opened the first time one of them is asked for: each source is then
// asked for by its name there, which spares the kernel walking its whole path again, component by
// component, for each of them.
class RerunCheck::SourceFolder
{
public:
    explicit SourceFolder(QByteArray path)
        : m_path(std::move(path))
    {
    }
    ~SourceFolder()
    {
        if (m_fd >= 0) {
            close(m_fd);
        }
    }
    SourceFolder(const SourceFolder&) = delete;
    SourceFolder& operator=(const SourceFolder&) = delete;

    std::optional<OutputMark::Source> sourceAt(const QByteArray& name, const QByteArray& reference)
    {
        if (!m_opened) {
            m_opened = true;
            m_fd = open(m_path.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        }
        if (m_fd < 0) {
            return OutputMark::sourceAt(m_path + '/' + name, reference);
        }
        return OutputMark::sourceAt(m_fd, name, reference);
    }

private:
    QByteArray m_path;
    bool m_opened = false;
    int m_fd = -1;
};

RerunCheck::RerunCheck(MarkedOutputs* outputs, QByteArray settings, QList<OutputKind> asked)
    : m_outputs(outputs)
    , m_settings(std::move(settings))
    , m_asked(std::move(asked))
{
}

RerunCheck::Verdict RerunCheck::check(const OutputNames& names) const
{
    return checkAll({names}).constFirst();
}

QList<RerunCheck::Verdict> RerunCheck::checkAll(const QList<OutputNames>& names) const
{
    QList<QByteArray> folders;
    folders.reserve(names.size());
    for (const OutputNames& one : names) {
        // Most neighbours in a queue share their folder: encoded once for all of them.
        if (!folders.isEmpty() && one.folder() == names.at(folders.size() - 1).folder()) {
            folders.append(folders.constLast());
        } else {
            folders.append(FileNames::encode(one.folder()));
        }
    }
    m_outputs->prepare(folders);
    // Runs of neighbours whose sources share a folder, a few dozen at most so that a large folder is
    // spread too.
    constexpr qsizetype perRun = 64;
    QList<qsizetype> starts;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (i == 0 || i - starts.constLast() == perRun ||
            QStringView(names.at(i).sourcePath()).chopped(names.at(i).fileName().size()) !=
                QStringView(names.at(i - 1).sourcePath()).chopped(names.at(i - 1).fileName().size())) {
            starts.append(i);
        }
    }
    QList<Verdict> verdicts(names.size());
    Verdict* const out = verdicts.data();
    ParallelFor::each(
        starts.size(),
        [&](qsizetype run) {
            const qsizetype first = starts.at(run);
            const qsizetype end = run + 1 < starts.size() ? starts.at(run + 1) : names.size();
            const QString& path = names.at(first).sourcePath();
            SourceFolder sources(FileNames::encode(path.left(path.size() - names.at(first).fileName().size() - 1)));
            for (qsizetype i = first; i < end; ++i) {
                out[i] = verdict(names.at(i), *m_outputs->found(folders.at(i)), sources);
            }
        },
        4);
    return verdicts;
}

RerunCheck::Verdict RerunCheck::verdict(const OutputNames& names, const MarkedOutputs::Folder& folder,
                                        SourceFolder& sources) const
{
    Verdict verdict;
    verdict.marksKept = *folder.marksKept;
    if (!verdict.marksKept) {
        return verdict;
    }
    const QByteArray reference = names.sourceReference();
    const auto [first, last] = folder.outputs.equal_range(BriefMark::keyOf(reference));
    if (first == last) {
        // Nothing of this source here: its own identity is not even asked for.
        return verdict;
    }
    // Beside the source, the reference is its name.
    const std::optional<OutputMark::Source> now =
        sources.sourceAt(names.isBesideSource() ? reference : FileNames::encode(names.fileName()), reference);
    if (!now) {
        return verdict;
    }
    verdict.sourceSize = now->size;

    // The outputs of one job are told apart by the list of what it saved, which it wrote on each of
    // them once it had saved them all. A job that asked for fewer companions than this run would ask
    // for could not have saved what this run may save.
    std::optional<BriefMark::Digest> expected;
    const auto fromThisSource = [&](const MarkedOutputs::Output& output) {
        return !output.mark.mark.saved.isEmpty() && output.mark.madeFrom(*now, m_settings, expected);
    };
    const auto anchor = std::find_if(first, last, [&](const auto& output) {
        return fromThisSource(output) && std::all_of(m_asked.cbegin(), m_asked.cend(), [&](OutputKind kind) {
                   return output.mark.mark.asked.contains(kind);
               });
    });
    if (anchor == last) {
        return verdict;
    }
    const QList<OutputKind>& saved = anchor->mark.mark.saved;
    for (const OutputKind kind : saved) {
        if (kind != OutputKind::optimized && !m_asked.contains(kind)) {
            continue;
        }
        // The optimized image's name comes with the service's answer, so any name does for it; a
        // companion stands under the name this run would give it, or the longer one it takes where
        // another file holds that.
        const QByteArray name = kind == OutputKind::optimized ? QByteArray() : FileNames::encode(names.name(kind));
        // Made only where no output has the usual name.
        std::optional<QByteArray> longName;
        const auto named = [&](const QByteArray& outputName) {
            if (name.isEmpty() || outputName == name) {
                return true;
            }
            if (!longName) {
                longName = FileNames::encode(names.longName(kind));
            }
            return outputName == *longName;
        };
        const auto output = std::find_if(first, last, [&](const auto& output) {
            return output.mark.mark.kind == kind && output.mark.mark.saved == saved && named(output.name) &&
                   fromThisSource(output);
        });
        if (output == last) {
            return verdict;
        }
        // The walk found it there; its mark tells its size.
        verdict.outputs.append(DownloadedFile(
            kind, FileNames::localUrl(names.folder() % QLatin1Char('/') % FileNames::decode(output->name)),
            output->mark.mark.bytes));
    }
    verdict.upToDate = true;
    return verdict;
}
