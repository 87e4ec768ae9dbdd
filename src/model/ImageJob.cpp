#include "model/ImageJob.h"

#include "model/LocalId.h"

#include <utility>

ImageJob::ImageJob(QUrl url, JobStatus status, QString message, QList<DownloadedFile> downloads)
    : id(LocalId::make())
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
