#pragma once

// What a request brought back: the HTTP status and the body, in memory or, for a download, in a file.

#include <QByteArray>
#include <QUrl>

struct HttpResponse
{
    int statusCode = 0;
    // The body, when it is kept in memory; empty for a download into a device.
    QByteArray body;
    // Bytes of the body as received.
    qint64 bodySize = 0;
    // For a download: the destination has taken the whole body. Only a 2xx answer with a body is.
    bool saved = false;
    // Where a redirect points, resolved; empty when the answer has no Location.
    QUrl location;
};
