#pragma once

// One call of ScriptedOptimizer: what the run asked for, held open until the test settles it.
// Settling resumes the waiting run inside the settling call, so the test's next line sees the outcome
// applied.

#include "client/CancelToken.h"
#include "client/Error.h"
#include "model/DownloadedFile.h"
#include "model/TovalinOptions.h"
#include "queue/JobRequest.h"

#include <QTest>
#include <QUrl>

#include <coroutine>
#include <exception>
#include <utility>

struct ScriptedCall
{
    QUrl file;
    TovalinOptions options;
    CancelToken token;
    // Where the run would have the results go, and under which names.
    OutputNames names;
    bool keepDates = true;
    // Tells the run that the call needs the service no more.
    std::function<void()> transferred;
    bool settled = false;
    QList<DownloadedFile> files;
    std::exception_ptr error;
    std::coroutine_handle<> waiting;

    void settle(QList<DownloadedFile> result, std::exception_ptr failure = {})
    {
        QVERIFY(!settled);
        settled = true;
        files = std::move(result);
        error = std::move(failure);
        if (waiting) {
            std::exchange(waiting, {}).resume();
        }
    }
    void fail(const QString& description) { settle({}, std::make_exception_ptr(Error(description))); }
    // Succeeds with one WebP companion beside `source`, by default the call's own file.
    void succeed(const QUrl& source = {})
    {
        const QString path = (source.isEmpty() ? file : source).toLocalFile() + QStringLiteral(".webp");
        settle({DownloadedFile(OutputKind::webp, QUrl::fromLocalFile(path))});
    }
};
