#include "DownloadedFile.h"

#include <utility>

DownloadedFile::DownloadedFile(QString format, QUrl path)
    : id(QUuid::createUuid())
    , format(std::move(format))
    , path(std::move(path))
{
}
