#include "model/DownloadedFile.h"

#include <utility>

DownloadedFile::DownloadedFile(OutputKind kind, QUrl path, qint64 size)
    : id(QUuid::createUuid())
    , kind(kind)
    , path(std::move(path))
    , size(size)
{
}
