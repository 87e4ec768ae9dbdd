#pragma once

// The local service a benchmark talks to, from its command line: --url, --ca (the PEM certificate
// that the service's certificate is signed with, trusted by the benchmark alone) and --api-key.

#include "client/TovalinClient.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>

class ServiceOptions
{
public:
    // Adds the three options to `parser`.
    explicit ServiceOptions(QCommandLineParser& parser);

    // True when all three were given.
    bool isComplete(const QCommandLineParser& parser) const;
    QString url(const QCommandLineParser& parser) const;
    QString apiKey(const QCommandLineParser& parser) const;
    QString caFile(const QCommandLineParser& parser) const;
    // A client of the service that trusts its certificate and nothing else; fatal without one.
    TovalinClient client(const QCommandLineParser& parser) const;

private:
    QCommandLineOption m_url;
    QCommandLineOption m_ca;
    QCommandLineOption m_key;
};
