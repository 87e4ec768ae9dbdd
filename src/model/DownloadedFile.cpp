#include "model/DownloadedFile.h"

#include "model/LocalId.h"

#include <utility>

DownloadedFile::DownloadedFile(OutputKind kind, QUrl path, qint64 size)
    : id(LocalId::make())
    , kind(kind)
    , path(std::move(path))
    , size(size)
{
}
