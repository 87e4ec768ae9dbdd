#include "ScriptedOptimizer.h"

#include "Error.h"

#include <utility>

ScriptedOptimizer::ScriptedOptimizer()
    : m_state(std::make_shared<State>())
{
}

AppViewModel::Optimizer ScriptedOptimizer::optimizer() const
{
    return [state = m_state](QUrl file, TovalinOptions options, CancelToken token) {
        auto call =
            std::make_shared<PendingCall>(std::move(file), std::move(options), std::move(token), state->onCancel);
        state->calls.append(call);
        if (!state->failAtOnce.isEmpty()) {
            call->fail(std::make_exception_ptr(Error(state->failAtOnce)));
        }
        return PendingCall::outcome(std::move(call));
    };
}

qsizetype ScriptedOptimizer::callCount() const
{
    return m_state->calls.size();
}

std::shared_ptr<PendingCall> ScriptedOptimizer::call(qsizetype index) const
{
    return m_state->calls.value(index);
}

std::shared_ptr<PendingCall> ScriptedOptimizer::lastCall() const
{
    return m_state->calls.isEmpty() ? nullptr : m_state->calls.last();
}

void ScriptedOptimizer::setFailAtOnce(const QString& description)
{
    m_state->failAtOnce = description;
}

void ScriptedOptimizer::setOnCancel(PendingCall::OnCancel onCancel)
{
    m_state->onCancel = onCancel;
}
