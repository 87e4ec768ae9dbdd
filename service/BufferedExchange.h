// A request whose body, if it has one, is small and wanted whole (a poll, a download): kept in memory,
// within a limit the service checked against the announced length before the body was read.
#pragma once

#include "service/HttpExchange.h"

#include <QByteArray>

#include <functional>

class BufferedExchange : public HttpExchange
{
public:
    explicit BufferedExchange(std::function<void(const QByteArray& body)> complete)
        : m_complete(std::move(complete))
    {
    }

    void receive(std::string_view piece) override { m_body.append(piece.data(), qsizetype(piece.size())); }
    void complete() override { m_complete(m_body); }

private:
    std::function<void(const QByteArray&)> m_complete;
    QByteArray m_body;
};
