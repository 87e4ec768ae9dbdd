#pragma once

// What a request brought back: the HTTP status and the whole body, in memory.

#include <QByteArray>
#include <QUrl>

struct HttpResponse
{
    int statusCode = 0;
    QByteArray body;
    // Where a redirect points, resolved; empty when the answer has no Location.
    QUrl location;
};
