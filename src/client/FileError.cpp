#include "client/FileError.h"

#include <QDir>

#include <utility>

FileError::FileError(QString path, QString reason)
    : Error(tr("Could not read “%1”: %2.").arg(QDir::toNativeSeparators(path), reason))
    , m_path(std::move(path))
{
}

FileError::FileError(QString path, Described description)
    : Error(std::move(description.text))
    , m_path(std::move(path))
{
}

FileError FileError::changedWhileSent(QString path)
{
    const QString text =
        tr("“%1” changed while it was being sent; nothing was saved for it.").arg(QDir::toNativeSeparators(path));
    return FileError(std::move(path), Described{text});
}

FileError FileError::removedWhileSent(QString path)
{
    const QString text =
        tr("“%1” was removed while it was being sent; nothing was saved for it.").arg(QDir::toNativeSeparators(path));
    return FileError(std::move(path), Described{text});
}

FileError FileError::removedWhileOptimized(QString path)
{
    const QString text = tr("“%1” was removed while it was being optimized; nothing was saved for it.")
                             .arg(QDir::toNativeSeparators(path));
    return FileError(std::move(path), Described{text});
}

FileError FileError::cannotWrite(QString folder)
{
    const QString text = tr("Cannot write to “%1”.").arg(QDir::toNativeSeparators(folder));
    return FileError(std::move(folder), Described{text});
}

FileError FileError::noFreeName(QString folder)
{
    const QString text = tr("No name is free for the results in “%1”.").arg(QDir::toNativeSeparators(folder));
    return FileError(std::move(folder), Described{text});
}

FileError FileError::notRegular(QString path)
{
    return FileError(std::move(path), Described{tr("Not a regular file.")});
}
