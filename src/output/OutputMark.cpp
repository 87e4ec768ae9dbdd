#include "output/OutputMark.h"

#include "output/BriefMark.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <utility>

namespace {

// "optimized", "webp", "avif".
const std::array<QByteArray, allOutputKinds.size()>& kindNames()
{
    static const std::array<QByteArray, allOutputKinds.size()> names = [] {
        std::array<QByteArray, allOutputKinds.size()> made;
        for (const OutputKind kind : allOutputKinds) {
            made.at(std::size_t(kind)) = key(kind).toLower().toLatin1();
        }
        return made;
    }();
    return names;
}
const QByteArray formatVersion = QByteArrayLiteral("tovalin-output 1");

qint64 nanoseconds(const timespec& time)
{
    return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

std::optional<qint64> number(QByteArrayView text)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

QByteArray kindList(const QList<OutputKind>& kinds)
{
    QByteArrayList names;
    for (const OutputKind kind : kinds) {
        names.append(kindNames().at(std::size_t(kind)));
    }
    return names.join(',');
}

std::optional<OutputKind> kindNamed(QByteArrayView name)
{
    for (const OutputKind kind : allOutputKinds) {
        if (name == kindNames().at(std::size_t(kind))) {
            return kind;
        }
    }
    return std::nullopt;
}

// The text up to the next `separator`, taken off the front of `rest`.
QByteArrayView takeUntil(QByteArrayView& rest, char separator)
{
    const auto* end = rest.isEmpty()
                          ? nullptr
                          : static_cast<const char*>(std::memchr(rest.data(), separator, std::size_t(rest.size())));
    if (end == nullptr) {
        return std::exchange(rest, QByteArrayView());
    }
    const QByteArrayView taken(rest.data(), end - rest.data());
    rest = QByteArrayView(end + 1, rest.data() + rest.size() - (end + 1));
    return taken;
}

QList<OutputKind> kindsNamed(QByteArrayView list)
{
    QList<OutputKind> kinds;
    kinds.reserve(qsizetype(allOutputKinds.size()));
    while (!list.isEmpty()) {
        if (const std::optional<OutputKind> kind = kindNamed(takeUntil(list, ','))) {
            kinds.append(*kind);
        }
    }
    return kinds;
}

} // namespace

// One "name=value" per line; the source's reference is percent-encoded, so any byte of a path survives.
QByteArray OutputMark::encode() const
{
    return formatVersion + "\nkind=" + kindNames().at(std::size_t(kind)) +
           "\nsource=" + source.reference.toPercentEncoding() + "\nsize=" + QByteArray::number(source.size) +
           "\nmtime=" + QByteArray::number(source.modifiedNs) + "\nsettings=" + settings +
           "\nbytes=" + QByteArray::number(bytes) + "\nasked=" + kindList(asked) + "\nsaved=" + kindList(saved) + '\n';
}

std::optional<OutputMark> OutputMark::decode(const QByteArray& value)
{
    // Read in place: a rerun decodes the mark of every output in the tree.
    QByteArrayView rest(value);
    if (takeUntil(rest, '\n') != formatVersion) {
        return std::nullopt;
    }
    OutputMark mark;
    std::optional<OutputKind> kind;
    std::optional<qint64> size;
    std::optional<qint64> modified;
    while (!rest.isEmpty()) {
        QByteArrayView text = takeUntil(rest, '\n');
        const qsizetype length = text.size();
        const QByteArrayView name = takeUntil(text, '=');
        if (name.size() == length) {
            continue; // no "="
        }
        if (name == "kind") {
            kind = kindNamed(text);
        } else if (name == "source") {
            mark.source.reference = QByteArray::fromPercentEncoding(text.toByteArray());
        } else if (name == "size") {
            size = number(text);
        } else if (name == "mtime") {
            modified = number(text);
        } else if (name == "settings") {
            mark.settings = text.toByteArray();
        } else if (name == "bytes") {
            mark.bytes = number(text).value_or(-1);
        } else if (name == "asked") {
            mark.asked = kindsNamed(text);
        } else if (name == "saved") {
            mark.saved = kindsNamed(text);
        }
    }
    if (!kind || mark.source.reference.isEmpty() || !size || !modified) {
        return std::nullopt;
    }
    mark.kind = *kind;
    mark.source.size = *size;
    mark.source.modifiedNs = *modified;
    return mark;
}

QList<OutputKind> OutputMark::companionsAskedFor(const TovalinOptions& options)
{
    QList<OutputKind> kinds;
    if (options.convertToWebP) {
        kinds.append(OutputKind::webp);
    }
    if (options.convertToAVIF) {
        kinds.append(OutputKind::avif);
    }
    return kinds;
}

std::optional<OutputMark::Source> OutputMark::sourceAt(const QByteArray& path, const QByteArray& reference)
{
    struct stat info
    {
    };
    if (stat(path.constData(), &info) != 0) {
        return std::nullopt;
    }
    return Source{reference, qint64(info.st_size), nanoseconds(info.st_mtim)};
}

std::optional<OutputMark::Source> OutputMark::sourceAt(int folder, const QByteArray& name, const QByteArray& reference)
{
    struct stat info
    {
    };
    if (fstatat(folder, name.constData(), &info, 0) != 0) {
        return std::nullopt;
    }
    return Source{reference, qint64(info.st_size), nanoseconds(info.st_mtim)};
}

OutputMarkReading OutputMark::read(const QByteArray& path)
{
    // Marks are small; one that does not fit is not one of ours.
    std::array<char, 1024> buffer{};
    const ssize_t length = getxattr(path.constData(), attributeName, buffer.data(), buffer.size());
    if (length < 0) {
        return {errno == ENOTSUP || errno == EOPNOTSUPP ? Found::unsupported : Found::unmarked, std::nullopt};
    }
    std::optional<OutputMark> mark = decode(QByteArray(buffer.data(), length));
    return {mark ? Found::marked : Found::unmarked, std::move(mark)};
}

bool OutputMark::writeTo(int fd)
{
    struct stat info
    {
    };
    bytes = fstat(fd, &info) == 0 ? qint64(info.st_size) : -1;
    const QByteArray value = encode();
    if (fsetxattr(fd, attributeName, value.constData(), std::size_t(value.size()), 0) != 0) {
        return false;
    }
    // Its short form, read first; where it cannot be written the whole mark is read instead.
    BriefMark::writeTo(fd, *this);
    return true;
}

bool OutputMark::writeTo(const QByteArray& path) const
{
    const QByteArray value = encode();
    if (setxattr(path.constData(), attributeName, value.constData(), std::size_t(value.size()), 0) != 0) {
        return false;
    }
    BriefMark::writeTo(path, *this);
    return true;
}
