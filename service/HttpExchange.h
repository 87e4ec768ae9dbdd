// One request between the server and the service after its head has arrived: the server hands over
// the body as it arrives, in pieces, and then says that it is complete. The service may answer, through
// the request's Responder, at any time: an answer before the body is complete refuses the rest of it.
#pragma once

#include <string_view>

class HttpExchange
{
public:
    virtual ~HttpExchange() = default;

    virtual void receive(std::string_view piece) = 0;
    virtual void complete() = 0;
};
