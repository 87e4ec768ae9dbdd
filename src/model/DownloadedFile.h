#pragma once

// One file written for its source image by a successful job.

#include "model/OutputKind.h"

#include <QString>
#include <QUrl>
#include <QUuid>

struct DownloadedFile
{
    DownloadedFile(OutputKind kind, QUrl path, qint64 size = -1);

    // What people read for the kind, in the language of the installed translation.
    QString formatLabel() const { return label(kind); }

    QUuid id;
    OutputKind kind;
    QUrl path;        // file URL of the written file
    qint64 size = -1; // bytes written, -1 when not known
    // A file that held this output's own name and that is not an earlier output of the same source: it
    // was left alone, and the output took the longer name instead.
    QUrl notReplaced;
};
