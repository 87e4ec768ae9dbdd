#pragma once

// The one error type of the program: every failure a user can see carries its text here. The service
// client's own cases (TovalinError) and the platform's (transport, file) derive from it. A run shows
// description() as the job's message, or "Stopped." when isCancellation() holds.

#include "model/DownloadedFile.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <exception>
#include <utility>

class Error : public std::exception
{
public:
    explicit Error(QString description);

    QString description() const { return m_description; }
    // What the failed call had saved before it failed; those files are on disk whole.
    const QList<DownloadedFile>& written() const { return m_written; }
    void setWritten(QList<DownloadedFile> files) { m_written = std::move(files); }
    virtual bool isCancellation() const { return false; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    QString m_description;
    QByteArray m_what;
    QList<DownloadedFile> m_written;
};
