#include "service/EphemeralCertificate.h"

#include <memory>
#include <openssl/bio.h>
#include <openssl/bn.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

namespace {

template <auto Free>
struct Deleter
{
    template <typename T>
    void operator()(T* pointer) const
    {
        Free(pointer);
    }
};
using Key = std::unique_ptr<EVP_PKEY, Deleter<EVP_PKEY_free>>;
using Certificate = std::unique_ptr<X509, Deleter<X509_free>>;
using Memory = std::unique_ptr<BIO, Deleter<BIO_free>>;
using Number = std::unique_ptr<BIGNUM, Deleter<BN_free>>;
using Extension = std::unique_ptr<X509_EXTENSION, Deleter<X509_EXTENSION_free>>;

bool addExtension(X509* certificate, int nid, const char* value)
{
    X509V3_CTX context;
    X509V3_set_ctx_nodb(&context);
    X509V3_set_ctx(&context, certificate, certificate, nullptr, nullptr, 0);
    const Extension extension(X509V3_EXT_conf_nid(nullptr, &context, nid, value));
    return extension && X509_add_ext(certificate, extension.get(), -1) == 1;
}

QByteArray contents(BIO* memory)
{
    char* data = nullptr;
    const long size = BIO_get_mem_data(memory, &data);
    return QByteArray(data, qsizetype(size));
}

} // namespace

std::optional<EphemeralCertificate> EphemeralCertificate::make()
{
    const Key key(EVP_EC_gen("P-256"));
    const Certificate certificate(X509_new());
    const Number serial(BN_new());
    if (!key || !certificate || !serial) {
        return std::nullopt;
    }
    X509* x = certificate.get();
    // A random serial: two starts never present the same certificate under one number.
    constexpr int serialBits = 127;
    bool ok = X509_set_version(x, X509_VERSION_3) == 1 &&
              BN_rand(serial.get(), serialBits, BN_RAND_TOP_ANY, BN_RAND_BOTTOM_ANY) == 1 &&
              BN_to_ASN1_INTEGER(serial.get(), X509_get_serialNumber(x)) != nullptr;
    // It lives as long as the service; a window may stay open for weeks, so the end is far away. The
    // start lies a little in the past, as the program reads the same clock.
    constexpr long hour = 3600;
    constexpr long tenYears = 10L * 365 * 24 * hour;
    ok = ok && X509_gmtime_adj(X509_getm_notBefore(x), -hour) != nullptr &&
         X509_gmtime_adj(X509_getm_notAfter(x), tenYears) != nullptr && X509_set_pubkey(x, key.get()) == 1;
    X509_NAME* name = X509_get_subject_name(x);
    ok = ok &&
         X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                                    reinterpret_cast<const unsigned char*>("Tovalin engine on this computer"), -1, -1,
                                    0) == 1 &&
         X509_set_issuer_name(x, name) == 1;
    ok = ok && addExtension(x, NID_basic_constraints, "critical,CA:FALSE") &&
         addExtension(x, NID_key_usage, "critical,digitalSignature") &&
         addExtension(x, NID_ext_key_usage, "serverAuth") &&
         addExtension(x, NID_subject_alt_name, "IP:127.0.0.1,DNS:localhost") &&
         X509_sign(x, key.get(), EVP_sha256()) > 0;
    if (!ok) {
        return std::nullopt;
    }

    const Memory certificatePem(BIO_new(BIO_s_mem()));
    const Memory keyPem(BIO_new(BIO_s_mem()));
    if (!certificatePem || !keyPem || PEM_write_bio_X509(certificatePem.get(), x) != 1 ||
        PEM_write_bio_PrivateKey(keyPem.get(), key.get(), nullptr, nullptr, 0, nullptr, nullptr) != 1) {
        return std::nullopt;
    }
    const int derSize = i2d_X509(x, nullptr);
    if (derSize <= 0) {
        return std::nullopt;
    }
    EphemeralCertificate made;
    made.certificateDer.resize(derSize);
    auto* out = reinterpret_cast<unsigned char*>(made.certificateDer.data());
    if (i2d_X509(x, &out) != derSize) {
        return std::nullopt;
    }
    made.certificatePem = contents(certificatePem.get());
    made.privateKeyPem = contents(keyPem.get());
    return made;
}
