#pragma once

// One file written beside a source image by a successful job.

#include <QString>
#include <QUrl>
#include <QUuid>

struct DownloadedFile
{
    DownloadedFile(QString format, QUrl path, qint64 size = -1);

    QUuid id;
    QString format;   // "Optimized", "WebP" or "AVIF"
    QUrl path;        // file URL of the written file
    qint64 size = -1; // bytes written, -1 when not known
    // A file that held this output's own name and that this program did not write: it was left alone,
    // and the output took the longer name instead.
    QUrl notReplaced;
};
