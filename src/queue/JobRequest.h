#pragma once

// What a run asks of one job when it starts: the source, the options of its request, where and under
// which names its results go and whether they keep the source's date, and whom to tell once the job
// needs the service no more.

#include "model/TovalinOptions.h"
#include "output/OutputNames.h"

#include <QUrl>

#include <functional>
#include <utility>

struct JobRequest
{
    // For `file` alone: results beside it under its base name, dated as it is.
    static JobRequest forFile(QUrl file, TovalinOptions options)
    {
        OutputNames names(file.toLocalFile());
        return JobRequest{std::move(file), std::move(options), std::move(names), true, {}};
    }

    QUrl file;
    TovalinOptions options;
    OutputNames names;
    bool keepDates = true;
    // Called at most once, when every transfer of the job is over and only its files are still on their
    // way to the disk: a run may then start its next job meanwhile.
    std::function<void()> transferred;
};
