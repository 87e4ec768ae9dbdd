#include "client/TrustStore.h"

#include <QFile>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>

#include <openssl/err.h>
#include <openssl/pem.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>
#include <utility>
#include <vector>

namespace {

std::vector<X509*> parsePem(const QByteArray& pem)
{
    std::vector<X509*> certificates;
    BIO* input = BIO_new_mem_buf(pem.constData(), int(pem.size()));
    while (X509* certificate = PEM_read_bio_X509(input, nullptr, nullptr, nullptr)) {
        certificates.push_back(certificate);
    }
    BIO_free(input);
    // The end of the input shows as an error.
    ERR_clear_error();
    return certificates;
}

// The certificates of each bundle file read so far, for the life of the process. They are never freed:
// OpenSSL may be torn down before static objects are.
const std::vector<X509*>& bundleCertificates(const QString& path)
{
    static QMutex mutex;
    static auto* bundles = new QHash<QString, const std::vector<X509*>*>();
    const QMutexLocker lock(&mutex);
    if (const std::vector<X509*>* known = bundles->value(path)) {
        return *known;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        // Not kept: a bundle that appears later is read then.
        static const std::vector<X509*> none;
        return none;
    }
    const auto* parsed = new std::vector<X509*>(parsePem(file.readAll()));
    bundles->insert(path, parsed);
    return *parsed;
}

} // namespace

TrustStore::TrustStore(QString bundle, QByteArray extraPem)
    : m_bundle(std::move(bundle))
    , m_extraPem(std::move(extraPem))
{
}

TrustStore::~TrustStore()
{
    X509_STORE_free(m_store);
}

void TrustStore::installInto(void* sslContext)
{
    if (m_store == nullptr) {
        m_store = X509_STORE_new();
        if (!m_bundle.isEmpty()) {
            for (X509* certificate : bundleCertificates(m_bundle)) {
                X509_STORE_add_cert(m_store, certificate);
            }
        }
        for (X509* certificate : parsePem(m_extraPem)) {
            X509_STORE_add_cert(m_store, certificate);
            X509_free(certificate);
        }
        // A certificate the store holds already shows as an error.
        ERR_clear_error();
        // As libcurl sets up a store of its own: an intermediate certificate that is trusted is an anchor
        // of trust, as a root would be.
        X509_STORE_set_flags(m_store, X509_V_FLAG_PARTIAL_CHAIN);
    }
    X509_STORE_up_ref(m_store);
    SSL_CTX_set_cert_store(static_cast<SSL_CTX*>(sslContext), m_store);
}
