#pragma once

// The one error type of the program: every failure a user can see carries its text here. The service
// client's own cases (TovalinError) and the platform's (transport, file) derive from it. A run shows
// description() as the job's message, or "Stopped." when isCancellation() holds.

#include <QByteArray>
#include <QString>

#include <exception>

class Error : public std::exception
{
public:
    explicit Error(QString description);

    QString description() const { return m_description; }
    virtual bool isCancellation() const { return false; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    QString m_description;
    QByteArray m_what;
};
