#include "service/RequestValidator.h"

#include "service/MultipartParser.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QRegularExpression>

#include <cmath>

namespace {

using Fields = QMap<QString, QString>;

RequestValidator::Result failure(const QString& message)
{
    RequestValidator::Result result;
    result.code = 400;
    result.message = message;
    return result;
}

QString quoted(const QString& name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

// A plain decimal integer of at most nine digits: no spaces, no plus sign, no fraction.
std::optional<int> strictInt(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^-?[0-9]{1,9}$"));
    if (!pattern.match(text).hasMatch())
        return std::nullopt;
    return text.toInt();
}

const QStringList& commonFields()
{
    static const QStringList names{
        QStringLiteral("key"),          QStringLiteral("plugin_version"), QStringLiteral("lossy"),
        QStringLiteral("wait"),         QStringLiteral("convertto"),      QStringLiteral("resize"),
        QStringLiteral("resize_width"), QStringLiteral("resize_height"),  QStringLiteral("cmyk2rgb"),
        QStringLiteral("upscale"),      QStringLiteral("bg_remove"),      QStringLiteral("keep_exif"),
    };
    return names;
}

std::optional<QString> readFlag(const Fields& fields, const QString& name, bool& out)
{
    if (!fields.contains(name))
        return std::nullopt;
    const QString value = fields.value(name);
    if (value == QLatin1String("1"))
        out = true;
    else if (value == QLatin1String("0"))
        out = false;
    else
        return quoted(name) + QStringLiteral(" must be 0 or 1.");
    return std::nullopt;
}

std::optional<QString> readSide(const Fields& fields, const QString& name, std::optional<int>& out)
{
    if (!fields.contains(name))
        return std::nullopt;
    const std::optional<int> value = strictInt(fields.value(name));
    if (!value || *value < 1 || *value > RequestValidator::kMaxSide)
        return quoted(name) + QStringLiteral(" must be a whole number from 1 to %1.").arg(RequestValidator::kMaxSide);
    out = value;
    return std::nullopt;
}

// The rules both endpoints share. Returns an error message, or nothing when `request` is filled.
std::optional<QString> applyCommon(const Fields& fields, OptimizeRequest& request)
{
    if (!fields.contains(QStringLiteral("key")))
        return QStringLiteral("The request is missing the \"key\" field.");
    request.apiKey = fields.value(QStringLiteral("key"));
    if (fields.value(QStringLiteral("plugin_version")).size() > 64)
        return QStringLiteral("\"plugin_version\" is too long.");

    if (fields.contains(QStringLiteral("lossy"))) {
        const std::optional<int> level = strictInt(fields.value(QStringLiteral("lossy")));
        if (!level || *level < 0 || *level > 2)
            return QStringLiteral("\"lossy\" must be 0 (lossless), 1 (lossy) or 2 (glossy).");
        request.level = static_cast<OptimizeRequest::Level>(*level);
    }
    if (fields.contains(QStringLiteral("wait"))) {
        const std::optional<int> wait = strictInt(fields.value(QStringLiteral("wait")));
        if (!wait)
            return QStringLiteral("\"wait\" must be a whole number of seconds.");
        request.waitSeconds = std::clamp(*wait, 0, 30);
    }
    if (fields.contains(QStringLiteral("convertto"))) {
        const QString list = fields.value(QStringLiteral("convertto"));
        static const QStringList accepted{QStringLiteral("+webp"), QStringLiteral("+avif"),
                                          QStringLiteral("+webp|+avif"), QStringLiteral("+avif|+webp")};
        if (!accepted.contains(list))
            return QStringLiteral("\"convertto\" must be \"+webp\", \"+avif\" or \"+webp|+avif\".");
        request.webp = list.contains(QLatin1String("+webp"));
        request.avif = list.contains(QLatin1String("+avif"));
    }
    if (fields.contains(QStringLiteral("resize"))) {
        const std::optional<int> mode = strictInt(fields.value(QStringLiteral("resize")));
        if (!mode || (*mode != 1 && *mode != 3))
            return QStringLiteral("\"resize\" must be 1 (cover) or 3 (contain).");
        request.resize = static_cast<OptimizeRequest::Resize>(*mode);
    }
    for (const QString& side : {QStringLiteral("resize_width"), QStringLiteral("resize_height")}) {
        if (fields.contains(side) && request.resize == OptimizeRequest::Resize::None)
            return quoted(side) + QStringLiteral(" is only allowed together with \"resize\".");
    }
    if (auto error = readSide(fields, QStringLiteral("resize_width"), request.width))
        return error;
    if (auto error = readSide(fields, QStringLiteral("resize_height"), request.height))
        return error;
    if (fields.contains(QStringLiteral("upscale"))) {
        const std::optional<int> factor = strictInt(fields.value(QStringLiteral("upscale")));
        if (!factor || *factor < 2 || *factor > 4)
            return QStringLiteral("\"upscale\" must be 2, 3 or 4.");
        request.upscale = *factor;
    }
    if (auto error = readFlag(fields, QStringLiteral("cmyk2rgb"), request.cmykToRgb))
        return error;
    if (auto error = readFlag(fields, QStringLiteral("bg_remove"), request.removeBackground))
        return error;
    if (auto error = readFlag(fields, QStringLiteral("keep_exif"), request.keepExif))
        return error;
    return std::nullopt;
}

} // namespace

std::optional<RequestValidator::Result> RequestValidator::addField(Form& form, const MultipartPart& part,
                                                                   std::string_view value)
{
    const QString name = QString::fromStdString(part.name);
    if (name == QLatin1String("file1"))
        return failure(QStringLiteral("\"file1\" must be a file part with a file name."));
    if (!commonFields().contains(name) && name != QLatin1String("file_paths"))
        return failure(QStringLiteral("The request has an unknown field ") + quoted(name) + QLatin1Char('.'));
    if (form.fields.contains(name))
        return failure(QStringLiteral("The field ") + quoted(name) + QStringLiteral(" is given more than once."));
    const QByteArray bytes(value.data(), static_cast<qsizetype>(value.size()));
    const QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() != bytes)
        return failure(QStringLiteral("The field ") + quoted(name) + QStringLiteral(" is not valid UTF-8 text."));
    form.fields.insert(name, text);
    return std::nullopt;
}

std::optional<RequestValidator::Result> RequestValidator::addFile(Form& form, const MultipartPart& part)
{
    const QString name = QString::fromStdString(part.name);
    if (name != QLatin1String("file1"))
        return failure(QStringLiteral("The request has an unexpected file part ") + quoted(name) + QLatin1Char('.'));
    if (form.fileName)
        return failure(QStringLiteral("The field \"file1\" is given more than once."));
    // The key decides whether the file may be kept at all, so it must be known before the first byte.
    if (!form.fields.contains(QStringLiteral("key")))
        return failure(QStringLiteral("The \"key\" field must come before the file."));
    form.fileName = QString::fromStdString(part.filename.value_or(std::string()));
    return std::nullopt;
}

RequestValidator::Result RequestValidator::fromFields(const Form& form)
{
    OptimizeRequest request;
    if (auto error = applyCommon(form.fields, request))
        return failure(*error);
    Result result;
    result.request = std::move(request);
    return result;
}

RequestValidator::Result RequestValidator::fromForm(const Form& form, qint64 fileBytes)
{
    Result result = fromFields(form);
    if (!result.request)
        return result;
    if (!form.fileName)
        return failure(QStringLiteral("The request is missing the image file \"file1\"."));
    if (fileBytes <= 0)
        return failure(QStringLiteral("The uploaded file is empty."));
    result.request->fileName = *form.fileName;
    return result;
}

RequestValidator::Result RequestValidator::fromPollJson(const QByteArray& body)
{
    if (body.size() > kMaxPollBytes)
        return failure(QStringLiteral("The poll request is too large."));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        return failure(QStringLiteral("The poll body must be a JSON object."));

    Fields fields;
    QString originalUrl;
    const QJsonObject object = document.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString name = it.key();
        const QJsonValue value = it.value();
        if (name == QLatin1String("urllist")) {
            const QJsonArray list = value.toArray();
            if (!value.isArray() || list.size() != 1 || !list.first().isString())
                return failure(QStringLiteral("\"urllist\" must be an array with exactly one address."));
            originalUrl = list.first().toString();
            continue;
        }
        if (!commonFields().contains(name))
            return failure(QStringLiteral("The request has an unknown member ") + quoted(name) + QLatin1Char('.'));
        if (value.isString()) {
            fields.insert(name, value.toString());
        } else if (value.isDouble()) {
            const double number = value.toDouble();
            // The range first: a double beyond it has no integer value to compare with.
            if (!(number >= -1e9 && number <= 1e9) || number != std::trunc(number))
                return failure(quoted(name) + QStringLiteral(" must be a whole number."));
            fields.insert(name, QString::number(static_cast<qint64>(number)));
        } else {
            return failure(quoted(name) + QStringLiteral(" has the wrong type."));
        }
    }

    OptimizeRequest request;
    if (auto error = applyCommon(fields, request))
        return failure(*error);
    if (!object.contains(QStringLiteral("urllist")))
        return failure(QStringLiteral("The poll request is missing \"urllist\"."));
    request.originalUrl = originalUrl;
    Result result;
    result.request = std::move(request);
    return result;
}
