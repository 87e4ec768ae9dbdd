#pragma once

// Tells, before a run, which images are up to date and need not be sent again: those whose every
// output that the run would write stands beside them, marked as written by this program from the
// source as it is now (same size, same modification time) with the same settings. Where the file
// system keeps no marks nothing can be told, and every image is sent.

#include "client/OutputNames.h"
#include "model/DownloadedFile.h"
#include "model/TovalinOptions.h"
#include "queue/MarkedOutputs.h"

#include <QList>
#include <QUrl>

class RerunCheck
{
public:
    RerunCheck(MarkedOutputs* outputs, TovalinOptions options);

    struct Verdict
    {
        bool upToDate = false;
        bool marksKept = true;
        qint64 sourceSize = -1;
        QList<DownloadedFile> outputs; // what stands there, when up to date
    };
    // `naming` is how the run would name the outputs of `source`.
    Verdict check(const QUrl& source, OutputNames::Naming naming) const;

private:
    MarkedOutputs* m_outputs;
    TovalinOptions m_options;
    QByteArray m_settings;
};
