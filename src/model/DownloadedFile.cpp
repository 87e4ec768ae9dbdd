#include "DownloadedFile.h"

#include <utility>

DownloadedFile::DownloadedFile(QString format, QUrl path, qint64 size)
    : id(QUuid::createUuid())
    , format(std::move(format))
    , path(std::move(path))
    , size(size)
{
}
