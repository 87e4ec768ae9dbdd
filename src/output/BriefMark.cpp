#include "output/BriefMark.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <openssl/evp.h>
#include <sys/syscall.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <utility>

namespace {

// The short form: a tag, the kind, the kinds asked for and saved (two bits each, the kind's number plus
// one, first in the low bits), the source's size and modification time and the output's size (64 bits
// each, little-endian), the reference's key and the digest.
constexpr uchar formatTag = 0xa1;
constexpr qsizetype encodedSize = 4 + 3 * 8 + 8 + 16;

uchar packed(const QList<OutputKind>& kinds)
{
    uchar bits = 0;
    for (qsizetype i = 0; i < kinds.size() && i < 4; ++i) {
        bits |= uchar((int(kinds.at(i)) + 1) << (2 * i));
    }
    return bits;
}

std::optional<QList<OutputKind>> unpackedAnew(uchar bits)
{
    QList<OutputKind> kinds;
    for (; bits != 0; bits >>= 2) {
        const int number = (bits & 3) - 1;
        if (number < 0 || number >= int(allOutputKinds.size())) {
            return std::nullopt;
        }
        kinds.append(allOutputKinds.at(std::size_t(number)));
    }
    return kinds;
}

// Every list of kinds one byte can pack, made once and shared: a rerun reads two for each output.
const std::optional<QList<OutputKind>>& unpacked(uchar bits)
{
    static const std::array<std::optional<QList<OutputKind>>, 256> table = [] {
        std::array<std::optional<QList<OutputKind>>, 256> made;
        for (std::size_t bits = 0; bits < made.size(); ++bits) {
            made.at(bits) = unpackedAnew(uchar(bits));
        }
        return made;
    }();
    return table.at(bits);
}

void put(QByteArray& out, quint64 value)
{
    for (int i = 0; i < 8; ++i) {
        out.append(char(uchar(value >> (8 * i))));
    }
}

quint64 take(const uchar* in)
{
    quint64 value = 0;
    for (int i = 0; i < 8; ++i) {
        value |= quint64(in[i]) << (8 * i);
    }
    return value;
}

#if defined(__linux__) && (defined(__x86_64__) || defined(__aarch64__))
// getxattrat(2), which glibc does not wrap yet: the same number on both.
constexpr long getxattrAtCall = 464;
struct XattrArgs
{
    quint64 value;
    quint32 size;
    quint32 flags;
};
std::atomic<bool> getxattrAtMissing{false};
#endif

// The attribute `attribute` of `name` in the folder open as `fd`, or of `path` where the kernel has no
// getxattrat(2); as getxattr(2) answers.
ssize_t attributeOf(int fd, const QByteArray& name, const QByteArray& path, const char* attribute, char* buffer,
                    std::size_t size)
{
#if defined(__linux__) && (defined(__x86_64__) || defined(__aarch64__))
    if (fd >= 0 && !getxattrAtMissing.load(std::memory_order_relaxed)) {
        XattrArgs args{quint64(reinterpret_cast<quintptr>(buffer)), quint32(size), 0};
        const long length = syscall(getxattrAtCall, fd, name.constData(), 0, attribute, &args, sizeof args);
        if (length >= 0 || errno != ENOSYS) {
            return ssize_t(length);
        }
        getxattrAtMissing.store(true, std::memory_order_relaxed);
    }
#else
    Q_UNUSED(fd)
    Q_UNUSED(name)
#endif
    return getxattr(path.constData(), attribute, buffer, size);
}

bool unsupported(int error)
{
    return error == ENOTSUP || error == EOPNOTSUPP;
}

} // namespace

quint64 BriefMark::keyOf(QByteArrayView reference)
{
    // FNV-1a: the key is compared within one process only, and needs to be quick.
    quint64 hash = 14695981039346656037ULL;
    for (const char c : reference) {
        hash ^= uchar(c);
        hash *= 1099511628211ULL;
    }
    return hash;
}

BriefMark::Digest BriefMark::digestOf(QByteArrayView reference, QByteArrayView settings)
{
    // SHA-256 of the reference, a zero byte and the settings. A rerun makes one for each of its images:
    // OpenSSL's, on the processor's own SHA instructions where it has them, takes a tenth of the time
    // of Qt's portable one.
    static const std::unique_ptr<EVP_MD, void (*)(EVP_MD*)> sha256(EVP_MD_fetch(nullptr, "SHA256", nullptr),
                                                                   EVP_MD_free);
    thread_local const std::unique_ptr<EVP_MD_CTX, void (*)(EVP_MD_CTX*)> owned(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    EVP_MD_CTX* const context = owned.get();
    std::array<uchar, EVP_MAX_MD_SIZE> result{};
    const bool made = sha256 && context != nullptr && EVP_DigestInit_ex(context, sha256.get(), nullptr) == 1 &&
                      EVP_DigestUpdate(context, reference.data(), std::size_t(reference.size())) == 1 &&
                      EVP_DigestUpdate(context, "\0", 1) == 1 &&
                      EVP_DigestUpdate(context, settings.data(), std::size_t(settings.size())) == 1 &&
                      EVP_DigestFinal_ex(context, result.data(), nullptr) == 1;
    if (!made) {
        qFatal("SHA-256 is not available");
    }
    Digest digest{};
    std::memcpy(digest.data(), result.data(), digest.size());
    return digest;
}

BriefMark BriefMark::of(OutputMark mark)
{
    const quint64 key = keyOf(mark.source.reference);
    return {std::move(mark), key, std::nullopt};
}

QByteArray BriefMark::encode(const OutputMark& mark)
{
    QByteArray out;
    out.reserve(encodedSize);
    out.append(char(formatTag));
    out.append(char(uchar(mark.kind)));
    out.append(char(packed(mark.asked)));
    out.append(char(packed(mark.saved)));
    put(out, quint64(mark.source.size));
    put(out, quint64(mark.source.modifiedNs));
    put(out, quint64(mark.bytes));
    put(out, keyOf(mark.source.reference));
    const Digest digest = digestOf(mark.source.reference, mark.settings);
    out.append(reinterpret_cast<const char*>(digest.data()), qsizetype(digest.size()));
    return out;
}

std::optional<BriefMark> BriefMark::decode(QByteArrayView value)
{
    const auto* in = reinterpret_cast<const uchar*>(value.data());
    if (value.size() != encodedSize || in[0] != formatTag || in[1] >= allOutputKinds.size()) {
        return std::nullopt;
    }
    const std::optional<QList<OutputKind>>& asked = unpacked(in[2]);
    const std::optional<QList<OutputKind>>& saved = unpacked(in[3]);
    if (!asked || !saved) {
        return std::nullopt;
    }
    BriefMark brief;
    brief.mark.kind = allOutputKinds.at(in[1]);
    brief.mark.asked = *asked;
    brief.mark.saved = *saved;
    brief.mark.source.size = qint64(take(in + 4));
    brief.mark.source.modifiedNs = qint64(take(in + 12));
    brief.mark.bytes = qint64(take(in + 20));
    brief.referenceKey = take(in + 28);
    Digest digest{};
    std::memcpy(digest.data(), in + 36, digest.size());
    brief.digest = digest;
    return brief;
}

bool BriefMark::madeFrom(const OutputMark::Source& now, const QByteArray& settings,
                         std::optional<Digest>& expected) const
{
    if (mark.source.size != now.size || mark.source.modifiedNs != now.modifiedNs) {
        return false;
    }
    if (!digest) {
        return mark.source.reference == now.reference && mark.settings == settings;
    }
    if (!expected) {
        expected = digestOf(now.reference, settings);
    }
    return *digest == *expected;
}

BriefMark::Folder::Folder(const QByteArray& path)
    : m_path(path)
    , m_fd(open(path.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC))
{
}

BriefMark::Folder::~Folder()
{
    if (m_fd >= 0) {
        close(m_fd);
    }
}

BriefMarkReading BriefMark::Folder::read(const QByteArray& name)
{
    const QByteArray path = m_path + '/' + name;
    if (!m_wholeFirst) {
        std::array<char, 64> buffer{};
        const ssize_t length = attributeOf(m_fd, name, path, attributeName, buffer.data(), buffer.size());
        if (length < 0 && unsupported(errno)) {
            return {OutputMark::Found::unsupported, std::nullopt};
        }
        if (length >= 0) {
            if (std::optional<BriefMark> brief = decode(QByteArrayView(buffer.data(), length))) {
                return {OutputMark::Found::marked, std::move(brief)};
            }
        }
    }
    // Marks are small; one that does not fit is not one of ours.
    std::array<char, 1024> buffer{};
    const ssize_t length = attributeOf(m_fd, name, path, OutputMark::attributeName, buffer.data(), buffer.size());
    if (length < 0) {
        return {unsupported(errno) ? OutputMark::Found::unsupported : OutputMark::Found::unmarked, std::nullopt};
    }
    std::optional<OutputMark> whole = OutputMark::decode(QByteArray(buffer.data(), length));
    if (!whole) {
        return {OutputMark::Found::unmarked, std::nullopt};
    }
    m_wholeFirst = true;
    return {OutputMark::Found::marked, of(std::move(*whole))};
}

bool BriefMark::writeTo(int fd, const OutputMark& mark)
{
    const QByteArray value = encode(mark);
    return fsetxattr(fd, attributeName, value.constData(), std::size_t(value.size()), 0) == 0;
}

bool BriefMark::writeTo(const QByteArray& path, const OutputMark& mark)
{
    const QByteArray value = encode(mark);
    return setxattr(path.constData(), attributeName, value.constData(), std::size_t(value.size()), 0) == 0;
}
