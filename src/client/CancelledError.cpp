#include "CancelledError.h"

CancelledError::CancelledError()
    : Error(QStringLiteral("The request was cancelled."))
{
}
