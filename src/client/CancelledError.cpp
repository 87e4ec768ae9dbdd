#include "client/CancelledError.h"

CancelledError::CancelledError()
    : Error(tr("The request was cancelled."))
{
}
