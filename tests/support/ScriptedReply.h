#pragma once

// What the test server does with one request: answer with a status, headers and body (after a
// delay), send only part of the body and then fall silent, never answer ({.stall = true}), or drop
// the connection ({.drop = true}).

#include <QByteArray>
#include <QList>
#include <QUrl>

#include <chrono>
#include <utility>

struct ScriptedReply
{
    int status = 200;
    QByteArray body{};
    // Content-Length and "Connection: close" are added by the server.
    QList<std::pair<QByteArray, QByteArray>> headers{};
    std::chrono::milliseconds delay{0};
    // Keep the connection open and never answer.
    bool stall = false;
    // Close the connection without answering.
    bool drop = false;
    // When not negative: announce the whole body but send only this many bytes of it, then stall.
    qint64 sendBodyBytes = -1;

    static ScriptedReply file(QByteArray body, QByteArray contentType = "application/octet-stream", int status = 200)
    {
        ScriptedReply reply;
        reply.status = status;
        reply.body = std::move(body);
        reply.headers = {{"Content-Type", std::move(contentType)}};
        return reply;
    }
    static ScriptedReply json(QByteArray body, int status = 200)
    {
        return file(std::move(body), "application/json", status);
    }
    static ScriptedReply redirect(const QUrl& location, int status = 302)
    {
        ScriptedReply reply;
        reply.status = status;
        reply.headers = {{"Location", location.toEncoded()}};
        return reply;
    }
    static ScriptedReply partial(QByteArray body, qint64 sentBytes, QByteArray contentType = "application/octet-stream")
    {
        ScriptedReply reply = file(std::move(body), std::move(contentType));
        reply.sendBodyBytes = sentBytes;
        return reply;
    }
};
