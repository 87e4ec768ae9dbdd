#include "cli/RerunCheck.h"

#include "model/FileNames.h"

#include <QFileInfo>

#include <algorithm>
#include <utility>

RerunCheck::RerunCheck(MarkedOutputs* outputs, TovalinOptions options)
    : m_outputs(outputs)
    , m_options(std::move(options))
    , m_settings(OutputMark::settingsKey(m_options))
{
}

RerunCheck::Verdict RerunCheck::check(const QUrl& source, OutputNames::Naming naming) const
{
    Verdict verdict;
    const QString path = source.toLocalFile();
    const QFileInfo info(path);
    const QByteArray folderPath = FileNames::encode(info.absolutePath());
    const QByteArray sourcePath = FileNames::encode(path);
    verdict.marksKept = m_outputs->marksKept(folderPath, sourcePath);
    const MarkedOutputs::Folder& folder = m_outputs->folder(folderPath);
    const std::optional<OutputMark::Source> now = OutputMark::sourceAt(sourcePath);
    if (!verdict.marksKept || !now) {
        return verdict;
    }
    verdict.sourceSize = now->size;

    // The outputs of one job are told apart by the list of what it saved, which it wrote on each of
    // them once it had saved them all. A job that asked for fewer companions than this run would ask
    // for could not have saved what this run may save.
    const QList<OutputMark::Kind> asked = OutputMark::companionsAskedFor(m_options);
    const auto fromThisSource = [&](const MarkedOutputs::Output& output) {
        return output.mark.source == *now && output.mark.settings == m_settings && !output.mark.saved.isEmpty();
    };
    const auto [first, last] = folder.outputs.equal_range(now->name);
    const auto anchor = std::find_if(first, last, [&](const auto& output) {
        return fromThisSource(output) && std::all_of(asked.cbegin(), asked.cend(), [&](OutputMark::Kind kind) {
                   return output.mark.asked.contains(kind);
               });
    });
    if (anchor == last) {
        return verdict;
    }
    // The optimized image's name comes with the service's answer, so any name does for it; the
    // companions must stand under the names this run would give them.
    const OutputNames names(path, naming);
    for (const OutputMark::Kind kind : anchor->mark.saved) {
        if (kind != OutputMark::Kind::optimized && !asked.contains(kind)) {
            continue;
        }
        const QString name = kind == OutputMark::Kind::webp   ? names.webp()
                             : kind == OutputMark::Kind::avif ? names.avif()
                                                              : QString();
        const auto output = std::find_if(first, last, [&](const auto& output) {
            return fromThisSource(output) && output.mark.kind == kind && output.mark.saved == anchor->mark.saved &&
                   (name.isEmpty() || output.name == FileNames::encode(name));
        });
        if (output == last) {
            return verdict;
        }
        // The walk found it there; its mark tells its size.
        const QByteArray outputPath = folderPath + '/' + output->name;
        verdict.outputs.append(DownloadedFile(OutputMark::formatOf(kind),
                                              QUrl::fromLocalFile(FileNames::decode(outputPath)), output->mark.bytes));
    }
    verdict.upToDate = true;
    return verdict;
}
