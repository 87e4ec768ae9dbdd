#include "model/FileNames.h"

#include <QUtf8StringView>

namespace {

constexpr char16_t escapeBase = 0xDC00;

// The length of the valid UTF-8 sequence that starts at `at`, or 0.
qsizetype sequenceLength(const QByteArray& bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes.at(i)); };
    const unsigned char first = byte(at);
    qsizetype length = 0;
    char32_t lowest = 0;
    if (first < 0x80) {
        return 1;
    }
    if (first >= 0xC2 && first <= 0xDF) {
        length = 2;
        lowest = 0x80;
    } else if (first >= 0xE0 && first <= 0xEF) {
        length = 3;
        lowest = 0x800;
    } else if (first >= 0xF0 && first <= 0xF4) {
        length = 4;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (at + length > bytes.size()) {
        return 0;
    }
    char32_t code = first & (0xFF >> (length + 1));
    for (qsizetype i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    // Overlong forms, UTF-16 surrogates and code points beyond Unicode are not UTF-8.
    if (code < lowest || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
        return 0;
    }
    return length;
}

// Whether every unit is ASCII, as nearly every path is: such a name needs neither validating nor
// converting, only widening or narrowing, which a rerun does tens of thousands of times.
template <typename Unit>
bool isAscii(const Unit* units, qsizetype size)
{
    unsigned bits = 0;
    for (qsizetype i = 0; i < size; ++i) {
        bits |= unsigned(units[i]);
    }
    return bits < 0x80;
}

} // namespace

QString FileNames::decode(const QByteArray& name)
{
    if (isAscii(reinterpret_cast<const unsigned char*>(name.constData()), name.size())) {
        return QString::fromLatin1(name);
    }
    // Nearly every name is UTF-8, and goes in one piece.
    if (QUtf8StringView(name).isValidUtf8()) {
        return QString::fromUtf8(name);
    }
    QString text;
    text.reserve(name.size());
    qsizetype valid = 0; // start of the run of valid sequences not yet appended
    qsizetype at = 0;
    while (at < name.size()) {
        const qsizetype length = sequenceLength(name, at);
        if (length > 0) {
            at += length;
            continue;
        }
        text.append(QString::fromUtf8(name.constData() + valid, at - valid));
        text.append(QChar(char16_t(escapeBase + static_cast<unsigned char>(name.at(at)))));
        valid = ++at;
    }
    text.append(QString::fromUtf8(name.constData() + valid, at - valid));
    return text;
}

QByteArray FileNames::encode(const QString& name)
{
    if (isAscii(reinterpret_cast<const char16_t*>(name.constData()), name.size())) {
        return name.toLatin1();
    }
    // Nearly every name holds no escaped byte, which would be a lone surrogate, and goes in one piece.
    if (name.isValidUtf16()) {
        return name.toUtf8();
    }
    QByteArray bytes;
    bytes.reserve(name.size());
    qsizetype from = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (isEscapedByte(name, i)) {
            const char16_t unit = name.at(i).unicode();
            bytes.append(QStringView(name).sliced(from, i - from).toUtf8());
            bytes.append(char(unit - escapeBase));
            from = i + 1;
        }
    }
    bytes.append(QStringView(name).sliced(from).toUtf8());
    return bytes;
}

bool FileNames::isEscapedByte(const QString& name, qsizetype at)
{
    const char16_t unit = name.at(at).unicode();
    // The second half of a surrogate pair is a character of its own, whatever its value.
    return unit >= escapeBase + 0x80 && unit <= escapeBase + 0xFF && (at == 0 || !name.at(at - 1).isHighSurrogate());
}

bool FileNames::isUtf8(const QString& name)
{
    return name.isValidUtf16();
}

QUrl FileNames::localUrl(const QString& absolutePath)
{
    // fromLocalFile() encodes "%" and the brackets first, and gives the scheme its checks, for every
    // path; otherwise it sets the path as it is, which is what is done here, on a copy of an address
    // that already has its scheme.
    const bool plain = absolutePath.startsWith(QLatin1Char('/')) && !absolutePath.startsWith(QLatin1String("//")) &&
                       !absolutePath.contains(QLatin1Char('%')) && !absolutePath.contains(QLatin1Char('[')) &&
                       !absolutePath.contains(QLatin1Char(']'));
    if (!plain) {
        return QUrl::fromLocalFile(absolutePath);
    }
    static const QUrl fileScheme = [] {
        QUrl url;
        url.setScheme(QStringLiteral("file"));
        return url;
    }();
    QUrl url = fileScheme;
    url.setPath(absolutePath, QUrl::TolerantMode);
    return url;
}
