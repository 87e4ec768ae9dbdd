#pragma once

// A request that got no usable answer: no connection, a name that does not resolve, a certificate that
// is not trusted, a transfer that stalled, a refused redirect or a reply too large to hold. The
// description is the network's own text, or ours where Qt has none that a user could act on.

#include "client/Error.h"

#include <QCoreApplication>

class TransportError : public Error
{
    Q_DECLARE_TR_FUNCTIONS(TransportError)

public:
    enum class Reason
    {
        network,
        timeout,
        tooLarge,
        insecureAddress,
    };

    TransportError(Reason reason, QString description);

    Reason reason() const { return m_reason; }

private:
    Reason m_reason;
};
