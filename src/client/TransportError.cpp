#include "client/TransportError.h"

#include <utility>

TransportError::TransportError(Reason reason, QString description)
    : Error(std::move(description))
    , m_reason(reason)
{
}
