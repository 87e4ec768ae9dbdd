#pragma once

// One file written beside a source image by a successful job.

#include <QCoreApplication>
#include <QString>
#include <QUrl>
#include <QUuid>

struct DownloadedFile
{
    Q_DECLARE_TR_FUNCTIONS(DownloadedFile)

public:
    DownloadedFile(QString format, QUrl path, qint64 size = -1);

    // What people read for `format`, in the language of the installed translation.
    QString formatLabel() const;

    QUuid id;
    // "Optimized", "WebP" or "AVIF", never translated: code that tells the files apart, and the command's
    // JSON output, rely on these words.
    QString format;
    QUrl path;        // file URL of the written file
    qint64 size = -1; // bytes written, -1 when not known
    // A file that held this output's own name and that this program did not write: it was left alone,
    // and the output took the longer name instead.
    QUrl notReplaced;
};
