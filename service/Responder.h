// The way back to the client of one request. The service answers through it once, at once or after a
// wait; copies stand for the same request, and an answer after the first, or once the connection has
// gone, is dropped. Holding one keeps the connection open until it is answered.
#pragma once

#include "service/HttpReply.h"

#include <QString>

#include <cstdint>
#include <memory>

class HttpSession;

class Responder
{
public:
    Responder() = default;
    Responder(std::shared_ptr<HttpSession> session, std::uint64_t request);

    void send(HttpReply reply) const;
    QString peer() const;
    // Milliseconds since the request's head, and once it has all arrived, since its body.
    qint64 elapsedMs() const;
    qint64 bodyBytes() const;

private:
    std::shared_ptr<HttpSession> m_session;
    std::uint64_t m_request = 0;
};
