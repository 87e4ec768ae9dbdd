#pragma once

// The failure of a request whose run was stopped. Callers tell it from every other failure by
// isCancellation(), and show "Stopped." rather than its description.

#include "client/Error.h"

#include <QCoreApplication>

class CancelledError : public Error
{
    Q_DECLARE_TR_FUNCTIONS(CancelledError)

public:
    CancelledError();

    bool isCancellation() const override { return true; }
};
