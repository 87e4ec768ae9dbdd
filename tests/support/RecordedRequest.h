#pragma once

// One HTTP request as the test server received it, for tests to assert on.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <utility>

struct RecordedRequest
{
    QByteArray method;
    QByteArray target; // path and query, as sent
    QByteArray path;   // without the query
    QList<std::pair<QByteArray, QByteArray>> headers;
    QByteArray body;
    // False when the connection ended before the whole announced body arrived.
    bool complete = false;

    // The first header of that name, compared ignoring case; empty when there is none.
    QByteArray header(QByteArrayView name) const
    {
        for (const auto& [key, value] : headers) {
            if (QByteArrayView(key).compare(name, Qt::CaseInsensitive) == 0) {
                return value;
            }
        }
        return {};
    }
};
