// An answer as the server sends it: status, media type and a body, either bytes in memory or a file
// that is streamed from disk while it is sent.
#pragma once

#include <QByteArray>
#include <QString>

struct HttpReply
{
    int status = 200;
    QByteArray contentType;
    QByteArray body;
    QString file; // when set, the body is this file's content and `body` is ignored
};
