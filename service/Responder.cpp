#include "service/Responder.h"

#include "service/HttpSession.h"

Responder::Responder(std::shared_ptr<HttpSession> session, std::uint64_t request)
    : m_session(std::move(session))
    , m_request(request)
{
}

void Responder::send(HttpReply reply) const
{
    if (m_session)
        m_session->answer(m_request, std::move(reply));
}

QString Responder::peer() const
{
    return m_session ? m_session->peer() : QString();
}

qint64 Responder::elapsedMs() const
{
    return m_session ? m_session->elapsedMs() : 0;
}

qint64 Responder::bodyBytes() const
{
    return m_session ? m_session->bodyBytes() : 0;
}
