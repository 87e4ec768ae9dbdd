#pragma once

// Tells, before a run, which images are up to date and need not be sent again: those whose every
// output that the run would write stands where the run would write it, marked as written by this
// program from the source as it is now (same size, same modification time) with the same settings.
// Where the file system keeps no marks nothing can be told, and every image is sent.

#include "model/DownloadedFile.h"
#include "model/OutputKind.h"
#include "output/MarkedOutputs.h"
#include "output/OutputNames.h"

#include <QByteArray>
#include <QList>

class RerunCheck
{
public:
    // For requests whose settings have the key `settings` and that ask for the companions `asked`.
    RerunCheck(MarkedOutputs* outputs, QByteArray settings, QList<OutputKind> asked);

    struct Verdict
    {
        bool upToDate = false;
        bool marksKept = true;
        qint64 sourceSize = -1;
        QList<DownloadedFile> outputs; // what stands there, when up to date
    };
    // `names`: where, and under which names, the run would write the outputs of their source.
    Verdict check(const OutputNames& names) const;
    // The same for many sources at once, in their order: the folders are read first, then the sources
    // asked for their identities, both spread over the cores.
    QList<Verdict> checkAll(const QList<OutputNames>& names) const;

private:
    class SourceFolder;
    Verdict verdict(const OutputNames& names, const MarkedOutputs::Folder& folder, SourceFolder& sources) const;

    MarkedOutputs* m_outputs;
    QByteArray m_settings;
    QList<OutputKind> m_asked;
};
