#pragma once

// A stand-in for the service client whose calls the test answers: each call is recorded as a
// PendingCall and completes only when the test settles it, or fails before any wait, as the client
// does for a file that cannot be read.

#include "AppViewModel.h"
#include "PendingCall.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>

class ScriptedOptimizer
{
public:
    ScriptedOptimizer();

    AppViewModel::Optimizer optimizer() const;

    qsizetype callCount() const;
    // The calls in the order they were made.
    std::shared_ptr<PendingCall> call(qsizetype index) const;
    std::shared_ptr<PendingCall> lastCall() const;

    // Every later call fails at once with this description; none when empty.
    void setFailAtOnce(const QString& description);
    void setOnCancel(PendingCall::OnCancel onCancel);

private:
    struct State
    {
        QList<std::shared_ptr<PendingCall>> calls;
        QString failAtOnce;
        PendingCall::OnCancel onCancel = PendingCall::OnCancel::failAtOnce;
    };
    std::shared_ptr<State> m_state;
};
