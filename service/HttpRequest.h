// One parsed HTTP/1.1 request as the service sees it: method, path, headers and the whole body.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

struct HttpRequest
{
    QByteArray method;
    QByteArray target;                            // origin-form: path and optional query
    QList<QPair<QByteArray, QByteArray>> headers; // names lower-cased, values trimmed
    QByteArray body;
    bool keepAlive = true;

    QByteArray header(const QByteArray& lowerCaseName) const
    {
        for (const auto& [name, value] : headers) {
            if (name == lowerCaseName)
                return value;
        }
        return {};
    }
    QByteArray path() const
    {
        const qsizetype query = target.indexOf('?');
        return query < 0 ? target : target.left(query);
    }
};
