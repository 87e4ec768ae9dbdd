#pragma once

// A source image that could not be read. The description names the file and the system's reason, so
// that the user knows which file to look at and what is wrong with it.

#include "Error.h"

class FileError : public Error
{
public:
    FileError(QString path, QString reason);

    QString path() const { return m_path; }

private:
    QString m_path;
};
