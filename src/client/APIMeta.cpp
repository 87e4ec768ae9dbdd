#include "client/APIMeta.h"

#include "client/TovalinError.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QStringDecoder>

#include <limits>

namespace {

// Reads an optional text member. False when it is present with a type other than string or null.
bool readText(const QJsonObject& object, QLatin1StringView key, std::optional<QString>& field)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull()) {
        return true;
    }
    if (!value.isString()) {
        return false;
    }
    field = value.toString();
    return true;
}

// A JSON number that is a whole number representable in 64 bits, as Qt cannot tell 2 from 2.0.
std::optional<qint64> integerValue(const QJsonValue& value)
{
    if (!value.isDouble()) {
        return std::nullopt;
    }
    const qint64 a = value.toInteger(0);
    const qint64 b = value.toInteger(1);
    if (a != b) {
        return std::nullopt;
    }
    return a;
}

// The first 180 bytes as text, or "(binary)" when they are not valid UTF-8 on their own, which
// includes a multi-byte character cut at the end.
QString sample(const QByteArray& body)
{
    const QByteArray head = body.left(180);
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(head);
    if (decoder.hasError()) {
        return TovalinError::tr("(binary)");
    }
    return text;
}

} // namespace

qint64 APIMeta::Status::codeInt() const
{
    const QString& text = Code;
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i == text.size()) {
        return 0;
    }
    // Accumulate towards the negative side, which holds one more value than the positive side.
    qint64 value = 0;
    constexpr qint64 lowest = std::numeric_limits<qint64>::min();
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') {
            return 0;
        }
        const int digit = c - u'0';
        if (value < (lowest + digit) / 10) {
            return 0;
        }
        value = value * 10 - digit;
    }
    if (!negative) {
        if (value == lowest) {
            return 0;
        }
        return -value;
    }
    return value;
}

std::optional<struct APIMeta::Status> APIMeta::Status::fromJson(const QJsonObject& object)
{
    struct Status status;
    const QJsonValue code = object.value(QLatin1StringView("Code"));
    if (const std::optional<qint64> number = integerValue(code)) {
        status.Code = QString::number(*number);
    } else if (code.isString()) {
        status.Code = code.toString();
    } else {
        return std::nullopt;
    }
    const QJsonValue message = object.value(QLatin1StringView("Message"));
    if (!message.isString()) {
        return std::nullopt;
    }
    status.Message = message.toString();
    return status;
}

std::optional<APIMeta> APIMeta::fromJson(const QJsonObject& object)
{
    APIMeta meta;
    const QJsonValue status = object.value(QLatin1StringView("Status"));
    if (status.isObject()) {
        meta.Status = Status::fromJson(status.toObject());
        if (!meta.Status) {
            return std::nullopt;
        }
    } else if (!status.isUndefined() && !status.isNull()) {
        return std::nullopt;
    }
    const bool readable = readText(object, QLatin1StringView("Message"), meta.Message) &&
                          readText(object, QLatin1StringView("OriginalURL"), meta.OriginalURL) &&
                          readText(object, QLatin1StringView("LossyURL"), meta.LossyURL) &&
                          readText(object, QLatin1StringView("LosslessURL"), meta.LosslessURL) &&
                          readText(object, QLatin1StringView("WebPLossyURL"), meta.WebPLossyURL) &&
                          readText(object, QLatin1StringView("WebPLosslessURL"), meta.WebPLosslessURL) &&
                          readText(object, QLatin1StringView("AVIFLossyURL"), meta.AVIFLossyURL) &&
                          readText(object, QLatin1StringView("AVIFLosslessURL"), meta.AVIFLosslessURL);
    if (!readable) {
        return std::nullopt;
    }
    return meta;
}

qint64 statusCode(const APIMeta& meta)
{
    return meta.Status ? meta.Status->codeInt() : 0;
}

APIMeta decodeMeta(const QByteArray& body)
{
    if (body.isEmpty()) {
        throw TovalinError::emptyResponse();
    }
    const QJsonDocument document = QJsonDocument::fromJson(body);
    if (document.isArray()) {
        const QJsonArray array = document.array();
        std::optional<APIMeta> first;
        bool readable = !array.isEmpty();
        for (qsizetype i = 0; readable && i < array.size(); ++i) {
            const QJsonValue element = array.at(i);
            std::optional<APIMeta> meta = element.isObject() ? APIMeta::fromJson(element.toObject()) : std::nullopt;
            readable = meta.has_value();
            if (i == 0) {
                first = std::move(meta);
            }
        }
        if (readable) {
            throwIfAPIError(*first);
            return *first;
        }
    } else if (document.isObject()) {
        if (std::optional<APIMeta> meta = APIMeta::fromJson(document.object())) {
            throwIfAPIError(*meta);
            return *meta;
        }
    }
    throw TovalinError::api(TovalinError::tr("Unexpected API response: %1").arg(sample(body)));
}

void throwIfAPIError(const APIMeta& meta)
{
    if (meta.Status && meta.Status->codeInt() >= 400) {
        throw TovalinError::api(meta.Status->Message);
    }
}
