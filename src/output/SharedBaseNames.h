#pragma once

// Which queued sources share their folder of results and their base name with another queued source,
// as "noise.png" and "noise.jpg" beside each other do: their results would meet under the same names,
// so such a job's outputs are named from its whole source name. Letter case is ignored, as some file
// systems ignore it.
//
// The counts are built from the queue the first time they are asked for after the queue changed, so
// a run over a long queue pays for one pass over it, not one per job. Sources are told apart by a
// 64-bit hash of their folder of results and base name: a collision would only give two jobs longer
// names.

#include "model/ImageJob.h"
#include "output/OutputNames.h"

#include <QHash>
#include <QList>
#include <QString>

class SharedBaseNames
{
public:
    // The queue gained or lost jobs.
    void invalidate() { m_valid = false; }
    // Where and under which names `job`'s outputs go among `jobs`, with results in `resultsFolder`
    // (beside each source when empty): from the whole source name while its base name is shared there,
    // so that neither source replaces the other's files.
    OutputNames names(const ImageJob& job, const QList<ImageJob>& jobs, const QString& resultsFolder);
    // Counts `jobs` and `joining`, jobs about to join them, so that names() asked for a job of either
    // before they have joined already gives each the names it will have among all of them. Once
    // counted, names() asked with the same `resultsFolder` only reads, and may be asked from several
    // threads at once.
    void count(const QList<ImageJob>& jobs, const QList<ImageJob>& joining, const QString& resultsFolder);

private:
    // Of the source at `path`, found under `addedFrom`.
    static quint64 keyOf(const QString& path, const QString& addedFrom, const QString& resultsFolder);

    QHash<quint64, int> m_counts;
    QString m_resultsFolder;
    bool m_valid = false;
};
