#pragma once

// The certificate authorities a transport trusts, parsed once into one OpenSSL store that every TLS
// connection of the transport shares. Left to itself, libcurl reads and parses the whole system bundle
// (some 140 certificates, milliseconds of work) for each new connection. A bundle file is read once per
// process: transports that trust the same bundle share its parsed certificates, so a bundle changed on
// disk is seen by the next process.
//
// Use it from the thread of its transport.

#include <QByteArray>
#include <QString>

struct x509_store_st;

class TrustStore
{
public:
    // The certificates of the PEM file `bundle` (none when it is empty) and those of `extraPem`.
    TrustStore(QString bundle, QByteArray extraPem);
    ~TrustStore();

    TrustStore(const TrustStore&) = delete;
    TrustStore& operator=(const TrustStore&) = delete;

    // Makes this the trust of `sslContext`, an OpenSSL SSL_CTX being set up for a new connection, which
    // keeps a reference to it. The store is made on the first call.
    void installInto(void* sslContext);

private:
    QString m_bundle;
    QByteArray m_extraPem;
    x509_store_st* m_store = nullptr;
};
