#pragma once

// A source image that could not be read. The description names the file and the system's reason, so
// that the user knows which file to look at and what is wrong with it.

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
