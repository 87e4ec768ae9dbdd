#include "ScriptedReply.h"

#include <utility>

ScriptedReply ScriptedReply::json(QByteArray body, int status)
{
    return file(std::move(body), "application/json", status);
}

ScriptedReply ScriptedReply::file(QByteArray body, QByteArray contentType, int status)
{
    ScriptedReply reply;
    reply.status = status;
    reply.body = std::move(body);
    reply.headers = {{"Content-Type", std::move(contentType)}};
    return reply;
}

ScriptedReply ScriptedReply::redirect(const QUrl& location, int status)
{
    ScriptedReply reply;
    reply.status = status;
    reply.headers = {{"Location", location.toEncoded()}};
    return reply;
}

ScriptedReply ScriptedReply::stalled()
{
    ScriptedReply reply;
    reply.stall = true;
    return reply;
}

ScriptedReply ScriptedReply::dropped()
{
    ScriptedReply reply;
    reply.drop = true;
    return reply;
}

ScriptedReply ScriptedReply::partial(QByteArray body, qint64 sentBytes, QByteArray contentType)
{
    ScriptedReply reply = file(std::move(body), std::move(contentType));
    reply.sendBodyBytes = sentBytes;
    return reply;
}
