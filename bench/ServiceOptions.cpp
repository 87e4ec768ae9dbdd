#include "bench/ServiceOptions.h"

#include "client/HttpTransport.h"

#include <QFileInfo>
#include <QSslCertificate>

#include <chrono>
#include <memory>

ServiceOptions::ServiceOptions(QCommandLineParser& parser)
    : m_url(QStringLiteral("url"), QStringLiteral("Service base address."), QStringLiteral("url"))
    , m_ca(QStringLiteral("ca"), QStringLiteral("CA certificate of the service (PEM)."), QStringLiteral("file"))
    , m_key(QStringLiteral("api-key"), QStringLiteral("API key the service accepts."), QStringLiteral("key"))
{
    parser.addOptions({m_url, m_ca, m_key});
}

bool ServiceOptions::isComplete(const QCommandLineParser& parser) const
{
    return parser.isSet(m_url) && parser.isSet(m_ca) && parser.isSet(m_key);
}

QString ServiceOptions::url(const QCommandLineParser& parser) const
{
    return parser.value(m_url);
}

QString ServiceOptions::apiKey(const QCommandLineParser& parser) const
{
    return parser.value(m_key);
}

QString ServiceOptions::caFile(const QCommandLineParser& parser) const
{
    return QFileInfo(parser.value(m_ca)).absoluteFilePath();
}

TovalinClient ServiceOptions::client(const QCommandLineParser& parser) const
{
    const QList<QSslCertificate> certificates = QSslCertificate::fromPath(caFile(parser));
    if (certificates.isEmpty()) {
        qFatal("no certificate in %s", qPrintable(caFile(parser)));
    }
    return TovalinClient(QUrl(url(parser)),
                         std::make_shared<HttpTransport>(certificates, std::chrono::seconds(60), QString()));
}
