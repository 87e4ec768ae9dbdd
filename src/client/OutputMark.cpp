#include "client/OutputMark.h"

#include "model/RawValueEnum.h"

#include <array>
#include <cerrno>
#include <sys/stat.h>
#include <sys/xattr.h>

namespace {

constexpr std::array kindNames{"optimized", "webp", "avif"};
const QByteArray formatVersion = QByteArrayLiteral("tovalin-output 1");

qint64 nanoseconds(const timespec& time)
{
    return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

std::optional<qint64> number(const QByteArray& text)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

QByteArray kindList(const QList<OutputMark::Kind>& kinds)
{
    QByteArrayList names;
    for (const OutputMark::Kind kind : kinds) {
        names.append(kindNames.at(std::size_t(kind)));
    }
    return names.join(',');
}

std::optional<OutputMark::Kind> kindNamed(const QByteArray& name)
{
    for (std::size_t i = 0; i < kindNames.size(); ++i) {
        if (name == kindNames.at(i)) {
            return OutputMark::Kind(i);
        }
    }
    return std::nullopt;
}

QList<OutputMark::Kind> kindsNamed(const QByteArray& list)
{
    QList<OutputMark::Kind> kinds;
    for (const QByteArray& name : list.split(',')) {
        if (const std::optional<OutputMark::Kind> kind = kindNamed(name)) {
            kinds.append(*kind);
        }
    }
    return kinds;
}

} // namespace

// One "name=value" per line; the source's name is percent-encoded, so any byte of a file name survives.
QByteArray OutputMark::encode() const
{
    return formatVersion + "\nkind=" + kindNames.at(std::size_t(kind)) + "\nsource=" + source.name.toPercentEncoding() +
           "\nsize=" + QByteArray::number(source.size) + "\nmtime=" + QByteArray::number(source.modifiedNs) +
           "\nsettings=" + settings + "\nbytes=" + QByteArray::number(bytes) + "\nasked=" + kindList(asked) +
           "\nsaved=" + kindList(saved) + '\n';
}

std::optional<OutputMark> OutputMark::decode(const QByteArray& value)
{
    const QList<QByteArray> lines = value.split('\n');
    if (lines.value(0) != formatVersion) {
        return std::nullopt;
    }
    OutputMark mark;
    std::optional<Kind> kind;
    std::optional<qint64> size;
    std::optional<qint64> modified;
    for (const QByteArray& line : lines.mid(1)) {
        const qsizetype equals = line.indexOf('=');
        const QByteArray name = line.left(equals);
        const QByteArray text = line.mid(equals + 1);
        if (name == "kind") {
            kind = kindNamed(text);
        } else if (name == "source") {
            mark.source.name = QByteArray::fromPercentEncoding(text);
        } else if (name == "size") {
            size = number(text);
        } else if (name == "mtime") {
            modified = number(text);
        } else if (name == "settings") {
            mark.settings = text;
        } else if (name == "bytes") {
            mark.bytes = number(text).value_or(-1);
        } else if (name == "asked") {
            mark.asked = kindsNamed(text);
        } else if (name == "saved") {
            mark.saved = kindsNamed(text);
        }
    }
    if (!kind || mark.source.name.isEmpty() || !size || !modified) {
        return std::nullopt;
    }
    mark.kind = *kind;
    mark.source.size = *size;
    mark.source.modifiedNs = *modified;
    return mark;
}

QByteArray OutputMark::settingsKey(const TovalinOptions& o)
{
    const auto optional = [](const std::optional<qint64>& value) {
        return value ? QByteArray::number(*value) : QByteArray();
    };
    return "level:" + QByteArray::number(rawValue(o.compression)) +
           ",resize:" + QByteArray::number(rawValue(o.resizeMode)) + ':' + optional(o.resizeWidth) + 'x' +
           optional(o.resizeHeight) + ",cmyk:" + QByteArray::number(int(o.cmykToRgb)) +
           ",upscale:" + QByteArray::number(rawValue(o.upscale)) +
           ",background:" + QByteArray::number(int(o.removeBackground)) +
           ",exif:" + QByteArray::number(int(o.keepExif));
}

QList<OutputMark::Kind> OutputMark::companionsAskedFor(const TovalinOptions& options)
{
    QList<Kind> kinds;
    if (options.convertToWebP) {
        kinds.append(Kind::webp);
    }
    if (options.convertToAVIF) {
        kinds.append(Kind::avif);
    }
    return kinds;
}

QString OutputMark::formatOf(Kind kind)
{
    switch (kind) {
    case Kind::optimized:
        return QStringLiteral("Optimized");
    case Kind::webp:
        return QStringLiteral("WebP");
    case Kind::avif:
        return QStringLiteral("AVIF");
    }
    return {};
}

std::optional<OutputMark::Source> OutputMark::sourceOf(int fd, const QByteArray& name)
{
    struct stat info
    {
    };
    if (fstat(fd, &info) != 0) {
        return std::nullopt;
    }
    return Source{name, qint64(info.st_size), nanoseconds(info.st_mtim)};
}

std::optional<OutputMark::Source> OutputMark::sourceAt(const QByteArray& path)
{
    struct stat info
    {
    };
    if (stat(path.constData(), &info) != 0) {
        return std::nullopt;
    }
    return Source{path.mid(path.lastIndexOf('/') + 1), qint64(info.st_size), nanoseconds(info.st_mtim)};
}

OutputMarkReading OutputMark::read(const QByteArray& path)
{
    // Marks are small; one that does not fit is not one of ours.
    std::array<char, 1024> buffer{};
    const ssize_t length = getxattr(path.constData(), attributeName, buffer.data(), buffer.size());
    if (length < 0) {
        return {errno == ENOTSUP ? Found::unsupported : Found::unmarked, std::nullopt};
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
    return fsetxattr(fd, attributeName, value.constData(), std::size_t(value.size()), 0) == 0;
}

bool OutputMark::writeTo(const QByteArray& path) const
{
    const QByteArray value = encode();
    return setxattr(path.constData(), attributeName, value.constData(), std::size_t(value.size()), 0) == 0;
}
