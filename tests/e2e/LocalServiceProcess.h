// Runs the real tovalin-local-service binary for a test: picks a free port, starts the service with a
// key and the test certificate for localhost, and waits until it listens. Stops it when destroyed.
#pragma once

#include <QProcess>
#include <QSslCertificate>
#include <QStringList>
#include <QUrl>

class LocalServiceProcess
{
public:
    ~LocalServiceProcess();

    // Empty on success, otherwise what went wrong.
    QString start(const QString& apiKey, const QStringList& extraArguments = {});
    QUrl baseUrl() const;
    // The authority that signed the service's certificate.
    static QSslCertificate authority();
    // Everything the service printed so far (one line per request).
    QString log();

private:
    QProcess m_process;
    quint16 m_port = 0;
    QString m_log;
};
