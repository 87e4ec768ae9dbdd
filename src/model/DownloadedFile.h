#pragma once

// One file written beside a source image by a successful job.

#include <QString>
#include <QUrl>
#include <QUuid>

struct DownloadedFile
{
    DownloadedFile(QString format, QUrl path);

    QUuid id;
    QString format; // "Optimized", "WebP" or "AVIF"
    QUrl path;      // file URL of the written file
};
