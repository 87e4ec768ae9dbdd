#include "FileError.h"

#include <QDir>

#include <utility>

FileError::FileError(QString path, QString reason)
    : Error(QStringLiteral("Could not read “%1”: %2.").arg(QDir::toNativeSeparators(path), reason))
    , m_path(std::move(path))
{
}
