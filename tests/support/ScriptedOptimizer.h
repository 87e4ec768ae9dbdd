#pragma once

// A stand-in for the service client whose calls each test ends itself (see ScriptedCall). A stop
// fails the call in flight inside the stop, with the cancellation error, as an aborted transfer does;
// with failOnCancel off the call stays open for the test to end later.

#include "queue/AppViewModel.h"
#include "tests/support/ScriptedCall.h"

#include <memory>

class ScriptedOptimizer
{
public:
    // The view model must go before this object: its calls reach back into it.
    AppViewModel::Optimizer optimizer();

    const std::shared_ptr<ScriptedCall>& call(qsizetype index) const { return calls.at(index); }
    int pending() const;

    bool failOnCancel = true;
    // When set, every call fails with this text before any wait, as the client's do for a file that
    // cannot be read.
    QString failAtOnce;
    QList<std::shared_ptr<ScriptedCall>> calls;
};
