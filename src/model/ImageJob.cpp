#include "model/ImageJob.h"

#include <utility>

ImageJob::ImageJob(QUrl url, JobStatus status, QString message, QList<DownloadedFile> downloads)
    : id(QUuid::createUuid())
    , url(std::move(url))
    , status(status)
    , message(std::move(message))
    , downloads(std::move(downloads))
{
}

QString ImageJob::defaultMessage()
{
    return tr("Ready to optimize.");
}
