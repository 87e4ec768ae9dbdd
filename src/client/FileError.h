#pragma once

// A source image that could not be read, or the folder beside it that its results cannot be written
// to. The description names the file or folder and what is wrong with it, so that the user knows where
// to look.

#include "client/Error.h"

#include <QCoreApplication>

class FileError : public Error
{
    Q_DECLARE_TR_FUNCTIONS(FileError)

public:
    FileError(QString path, QString reason);
    // A source that did not stay as it was while it was being uploaded.
    static FileError changedWhileSent(QString path);
    static FileError removedWhileSent(QString path);
    // A source that was gone by the time its results came back: they are not saved beside nothing.
    static FileError removedWhileOptimized(QString path);
    // A folder that this program may not write in (read-only, immutable, on a read-only mount).
    static FileError cannotWrite(QString folder);
    // A folder of results where every name an image's results could take is held by another file.
    static FileError noFreeName(QString folder);
    // A FIFO, socket, device or folder given as a source.
    static FileError notRegular(QString path);

    QString path() const { return m_path; }

private:
    struct Described
    {
        QString text;
    };
    FileError(QString path, Described description);

    QString m_path;
};
