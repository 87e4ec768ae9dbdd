// A key pair and a self-signed certificate for 127.0.0.1, made in memory for one start of the service
// as the program's own engine. Nothing of it touches the disk: the program that started the service
// is told the certificate and trusts it, and nothing else, for as long as this service runs.
#pragma once

#include <QByteArray>

#include <optional>

struct EphemeralCertificate
{
    QByteArray certificatePem;
    QByteArray certificateDer;
    QByteArray privateKeyPem;

    // An EC P-256 key (quick to make) and a certificate naming 127.0.0.1 and localhost; nothing when
    // OpenSSL fails.
    static std::optional<EphemeralCertificate> make();
};
