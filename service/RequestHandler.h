// What the HTTPS server asks of the service behind it. Called on the server's network thread only.
#pragma once

#include "service/HttpReply.h"

#include <QString>

#include <memory>

class HttpExchange;
class Responder;
struct HttpRequest;

class RequestHandler
{
public:
    virtual ~RequestHandler() = default;

    // A request's head has arrived and passed the server's own rules. The exchange returned receives
    // its body; none, once answered through `responder`, leaves the body unread.
    virtual std::unique_ptr<HttpExchange> open(const HttpRequest& request, const Responder& responder) = 0;
    // The server refuses a request itself (malformed, too large a head, too many at once, too slow):
    // the answer to send, when there is still a connection to send it on.
    virtual HttpReply refusal(const QString& peer, int status, const QString& message) = 0;
};
