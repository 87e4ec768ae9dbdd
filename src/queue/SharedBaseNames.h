#pragma once

// Which queued sources share their folder and base name with another queued source, as "noise.png"
// and "noise.jpg" do: their results would meet under the same names, so such a job's outputs are
// named from its whole source name. Letter case is ignored, as some file systems ignore it.
//
// The counts are built from the queue the first time they are asked for after the queue changed, so
// a run over a long queue pays for one pass over it, not one per job. Sources are told apart by a
// 64-bit hash of their folder and base name: a collision would only give two jobs longer names.

#include "client/OutputNames.h"
#include "model/ImageJob.h"

#include <QHash>
#include <QList>
#include <QUrl>

class SharedBaseNames
{
public:
    // The queue gained or lost jobs.
    void invalidate() { m_valid = false; }
    // True when another job of `jobs` has the folder and base name of `source`.
    bool isShared(const QUrl& source, const QList<ImageJob>& jobs);
    // How the outputs of `source` are named in this queue: from the whole source name while it is
    // shared, so that neither source replaces the other's files.
    OutputNames::Naming naming(const QUrl& source, const QList<ImageJob>& jobs)
    {
        return isShared(source, jobs) ? OutputNames::Naming::sourceName : OutputNames::Naming::baseName;
    }

    static quint64 keyOf(const QUrl& source);

private:
    QHash<quint64, int> m_counts;
    bool m_valid = false;
};
