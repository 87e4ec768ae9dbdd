// The head of one HTTP/1.1 request as the service sees it, taken from what the HTTP library parsed:
// the body is not in it, it arrives afterwards through an HttpExchange.
#pragma once

#include <QByteArray>

struct HttpRequest
{
    QByteArray method;
    QByteArray target; // origin-form: path and optional query
    QByteArray contentType;
    qint64 contentLength = 0;

    QByteArray path() const
    {
        const qsizetype query = target.indexOf('?');
        return query < 0 ? target : target.left(query);
    }
};
