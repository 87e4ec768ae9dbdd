#pragma once

// One image file in the queue. Jobs are found by id, never by position: two jobs for the same file
// have different ids.

#include "model/DownloadedFile.h"
#include "model/JobOutcome.h"
#include "model/JobStatus.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QUrl>
#include <QUuid>

struct ImageJob
{
    Q_DECLARE_TR_FUNCTIONS(ImageJob)

public:
    static QString defaultMessage();

    explicit ImageJob(QUrl url, JobStatus status = JobStatus::queued, QString message = defaultMessage(),
                      QList<DownloadedFile> downloads = {});

    QUuid id;
    QUrl url; // absolute file URL of the source image
    // The folder whose search found the source, cleaned and without a trailing "/"; empty for a source
    // added by itself. A folder of results mirrors the tree beneath it.
    QString addedFrom;
    JobStatus status;
    QString message;
    QList<DownloadedFile> downloads;
    // Bytes of the source as it was sent, -1 until the job has been optimized.
    qint64 originalSize = -1;
    JobOutcome outcome = JobOutcome::none;
};
