#pragma once

// The failure of a request whose run was stopped. Callers tell it from every other failure by
// isCancellation(), and show "Stopped." rather than its description.

#include "Error.h"

class CancelledError : public Error
{
public:
    CancelledError();

    bool isCancellation() const override { return true; }
};
