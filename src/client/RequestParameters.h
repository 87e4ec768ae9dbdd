#pragma once

// The parameters of a request as the service reads them, made from one options record: the upload's
// text fields, the poll's JSON members and the key of the settings that decide what the results hold
// all come from this one list, so the three can never disagree. A parameter that does not apply is
// left out, never sent as 0.

#include "model/TovalinOptions.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>
#include <utility>
#include <variant>

class RequestParameters
{
public:
    struct Parameter
    {
        QString name;
        // Text goes as it is, in the form and in JSON; a number as decimal text in the form and as a
        // JSON number in the poll.
        std::variant<QString, qint64> value;
        // Whether it changes what the service makes of an image (the key, the client's name, the wait
        // and the choice of companions do not).
        bool decidesResults = false;
    };

    // `convertTo` is the format list ("+webp|+avif"), `pluginCode` the client's name.
    RequestParameters(const TovalinOptions& options, const std::optional<QString>& convertTo,
                      const QString& pluginCode);

    // In the order the upload sends them: key, plugin_version, lossy, wait, then those that apply.
    const QList<Parameter>& parameters() const { return m_parameters; }
    // The upload's text fields, in order (the file map and the file part follow them).
    QList<std::pair<QString, QString>> formFields() const;
    // The poll asks about `originalURL`, waiting a little less long than the upload did.
    QJsonObject pollBody(const QString& originalURL) const;
    // The parameters that decide the results, as stable text: "lossy=1,cmyk2rgb=1".
    QByteArray settingsKey() const;
    static QByteArray settingsKey(const TovalinOptions& options);

private:
    QList<Parameter> m_parameters;
};
