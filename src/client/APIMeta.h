#pragma once

// One record of the service's JSON reply: the status of the uploaded image and the addresses of its
// results. Members keep the service's own names. decodeMeta() turns a whole reply body into one record
// or a TovalinError; throwIfAPIError() turns a failure the service reports in a readable reply into one.

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>

struct APIMeta
{
    struct Status
    {
        QString Code; // a JSON integer as decimal text, or a JSON string as given
        QString Message;

        // `Code` read as a signed decimal integer ("+" or "-", then digits only, within 64 bits);
        // 0 for anything else.
        qint64 codeInt() const;

        // Nothing when "Code" is neither an integer nor a string, or "Message" is not a string.
        static std::optional<Status> fromJson(const QJsonObject& object);
    };

    // Elaborated, because the member below takes the record's name.
    std::optional<struct Status> Status;
    std::optional<QString> Message;
    std::optional<QString> OriginalURL;
    std::optional<QString> LossyURL;
    std::optional<QString> LosslessURL;
    std::optional<QString> WebPLossyURL;
    std::optional<QString> WebPLosslessURL;
    std::optional<QString> AVIFLossyURL;
    std::optional<QString> AVIFLosslessURL;

    // Nothing when a known member has the wrong type; missing and null members stay empty.
    static std::optional<APIMeta> fromJson(const QJsonObject& object);
};

// The status code of a reply as the optimize sequence reads it: 0 without a Status.
qint64 statusCode(const APIMeta& meta);

// A whole reply body: an array whose first record is taken, else one record; throws TovalinError.
APIMeta decodeMeta(const QByteArray& body);

// Throws TovalinError::api with the service's message when the status code is 400 or more.
void throwIfAPIError(const APIMeta& meta);
