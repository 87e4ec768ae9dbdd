// Runs the real tovalin-local-service binary for a test: makes a certificate authority and a
// localhost certificate with openssl in a temporary folder, picks a free port, starts the service
// with a key and waits until it listens. Stops it when destroyed.
#pragma once

#include <QProcess>
#include <QSslCertificate>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

class LocalServiceProcess
{
public:
    ~LocalServiceProcess();

    // Empty on success, otherwise what went wrong.
    QString start(const QString& apiKey, const QStringList& extraArguments = {});
    QUrl baseUrl() const;
    QSslCertificate authority() const { return m_authority; }
    // Everything the service printed so far (one line per request).
    QString log();

private:
    QString makeCertificates();

    QTemporaryDir m_dir;
    QProcess m_process;
    QSslCertificate m_authority;
    quint16 m_port = 0;
    QString m_log;
};
