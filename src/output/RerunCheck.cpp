#include "output/RerunCheck.h"

#include "model/FileNames.h"

#include <algorithm>
#include <utility>

RerunCheck::RerunCheck(MarkedOutputs* outputs, QByteArray settings, QList<OutputKind> asked)
    : m_outputs(outputs)
    , m_settings(std::move(settings))
    , m_asked(std::move(asked))
{
}

RerunCheck::Verdict RerunCheck::check(const OutputNames& names) const
{
    Verdict verdict;
    const QByteArray folderPath = FileNames::encode(names.folder());
    verdict.marksKept = m_outputs->marksKept(folderPath);
    const MarkedOutputs::Folder& folder = m_outputs->folder(folderPath);
    if (!verdict.marksKept) {
        return verdict;
    }
    const QByteArray reference = names.sourceReference();
    const auto [first, last] = folder.outputs.equal_range(reference);
    if (first == last) {
        // Nothing of this source here: its own identity is not even asked for.
        return verdict;
    }
    const std::optional<OutputMark::Source> now =
        OutputMark::sourceAt(FileNames::encode(names.sourcePath()), reference);
    if (!now) {
        return verdict;
    }
    verdict.sourceSize = now->size;

    // The outputs of one job are told apart by the list of what it saved, which it wrote on each of
    // them once it had saved them all. A job that asked for fewer companions than this run would ask
    // for could not have saved what this run may save.
    const auto fromThisSource = [&](const MarkedOutputs::Output& output) {
        return output.mark.source == *now && output.mark.settings == m_settings && !output.mark.saved.isEmpty();
    };
    const auto anchor = std::find_if(first, last, [&](const auto& output) {
        return fromThisSource(output) && std::all_of(m_asked.cbegin(), m_asked.cend(),
                                                     [&](OutputKind kind) { return output.mark.asked.contains(kind); });
    });
    if (anchor == last) {
        return verdict;
    }
    for (const OutputKind kind : anchor->mark.saved) {
        if (kind != OutputKind::optimized && !m_asked.contains(kind)) {
            continue;
        }
        // The optimized image's name comes with the service's answer, so any name does for it; a
        // companion stands under the name this run would give it, or the longer one it takes where
        // another file holds that.
        const QByteArray name = kind == OutputKind::optimized ? QByteArray() : FileNames::encode(names.name(kind));
        const QByteArray longName =
            kind == OutputKind::optimized ? QByteArray() : FileNames::encode(names.longName(kind));
        const auto output = std::find_if(first, last, [&](const auto& output) {
            return fromThisSource(output) && output.mark.kind == kind && output.mark.saved == anchor->mark.saved &&
                   (name.isEmpty() || output.name == name || output.name == longName);
        });
        if (output == last) {
            return verdict;
        }
        // The walk found it there; its mark tells its size.
        verdict.outputs.append(DownloadedFile(
            kind, QUrl::fromLocalFile(FileNames::decode(folderPath + '/' + output->name)), output->mark.bytes));
    }
    verdict.upToDate = true;
    return verdict;
}
