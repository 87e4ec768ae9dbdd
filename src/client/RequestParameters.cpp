#include "client/RequestParameters.h"

#include "model/RawValueEnum.h"

#include <QJsonArray>

namespace {

constexpr qint64 uploadWait = 30;
constexpr qint64 pollWait = 25;

QString text(const RequestParameters::Parameter& parameter)
{
    if (const auto* number = std::get_if<qint64>(&parameter.value)) {
        return QString::number(*number);
    }
    return std::get<QString>(parameter.value);
}

} // namespace

RequestParameters::RequestParameters(const TovalinOptions& options, const std::optional<QString>& convertTo,
                                     const QString& pluginCode)
{
    const auto add = [this](const char* name, std::variant<QString, qint64> value, bool decides) {
        m_parameters.append({QString::fromLatin1(name), std::move(value), decides});
    };
    // Not trimmed again, and sent even when empty: the service tells about a bad key.
    add("key", options.apiKey, false);
    add("plugin_version", pluginCode, false);
    add("lossy", qint64(rawValue(options.compression)), true);
    add("wait", uploadWait, false);
    if (convertTo) {
        add("convertto", *convertTo, false);
    }
    // A width or height only with a resize, which never depends on them.
    if (options.resizeMode != ResizeMode::none) {
        add("resize", qint64(rawValue(options.resizeMode)), true);
        if (options.resizeWidth) {
            add("resize_width", *options.resizeWidth, true);
        }
        if (options.resizeHeight) {
            add("resize_height", *options.resizeHeight, true);
        }
    }
    if (options.cmykToRgb) {
        add("cmyk2rgb", qint64(1), true);
    }
    if (options.upscale != UpscaleFactor::none) {
        add("upscale", qint64(rawValue(options.upscale)), true);
    }
    if (options.removeBackground) {
        add("bg_remove", qint64(1), true);
    }
    if (options.keepExif) {
        add("keep_exif", qint64(1), true);
    }
}

QList<std::pair<QString, QString>> RequestParameters::formFields() const
{
    QList<std::pair<QString, QString>> fields;
    fields.reserve(m_parameters.size());
    for (const Parameter& parameter : m_parameters) {
        fields.append({parameter.name, text(parameter)});
    }
    return fields;
}

QJsonObject RequestParameters::pollBody(const QString& originalURL) const
{
    QJsonObject body;
    for (const Parameter& parameter : m_parameters) {
        if (const auto* number = std::get_if<qint64>(&parameter.value)) {
            body.insert(parameter.name, QJsonValue(*number));
        } else {
            body.insert(parameter.name, std::get<QString>(parameter.value));
        }
    }
    body.insert(QStringLiteral("wait"), QJsonValue(pollWait));
    body.insert(QStringLiteral("urllist"), QJsonArray{originalURL});
    return body;
}

QByteArray RequestParameters::settingsKey() const
{
    QByteArrayList parts;
    for (const Parameter& parameter : m_parameters) {
        if (parameter.decidesResults) {
            parts.append(parameter.name.toLatin1() + '=' + text(parameter).toUtf8());
        }
    }
    return parts.join(',');
}

QByteArray RequestParameters::settingsKey(const TovalinOptions& options)
{
    return RequestParameters(options, std::nullopt, QString()).settingsKey();
}
