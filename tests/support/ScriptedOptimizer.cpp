#include "tests/support/ScriptedOptimizer.h"

#include "client/CancelledError.h"

#include <algorithm>

namespace {

// Awaits a call in place: the compiler may copy an awaitable object, and a copy would be resumed by no one.
struct CallAwaiter
{
    ScriptedCall* call;
    bool await_ready() const noexcept { return call->settled; }
    void await_suspend(std::coroutine_handle<> caller) const noexcept { call->waiting = caller; }
    void await_resume() const noexcept {}
};

QCoro::Task<QList<DownloadedFile>> outcome(std::shared_ptr<ScriptedCall> call)
{
    co_await CallAwaiter{call.get()};
    if (call->error) {
        std::rethrow_exception(call->error);
    }
    co_return call->files;
}

} // namespace

AppViewModel::Optimizer ScriptedOptimizer::optimizer()
{
    return [this](JobRequest request, CancelToken token) {
        auto call = std::make_shared<ScriptedCall>();
        call->file = std::move(request.file);
        call->options = std::move(request.options);
        call->token = std::move(token);
        call->names = std::move(request.names);
        call->keepDates = request.keepDates;
        call->transferred = std::move(request.transferred);
        if (failOnCancel) {
            QObject::connect(call->token.state(), &CancelState::cancelled, [weak = std::weak_ptr<ScriptedCall>(call)] {
                if (const auto c = weak.lock(); c && !c->settled) {
                    c->settle({}, std::make_exception_ptr(CancelledError()));
                }
            });
        }
        calls.append(call);
        if (!failAtOnce.isEmpty()) {
            call->fail(failAtOnce);
        }
        return outcome(call);
    };
}

int ScriptedOptimizer::pending() const
{
    return int(std::count_if(calls.cbegin(), calls.cend(), [](const auto& call) { return !call->settled; }));
}
