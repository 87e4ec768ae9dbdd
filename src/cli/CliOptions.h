#pragma once

// What one invocation of tovalin-optimize asks for, as read from its command line: the options of
// every request (the window's settings, with the window's defaults), where the results go and how they
// are dated, how many images go at once, the
// paths to optimize and the share of them this process takes, whether images already up to date are
// sent again, where the images are optimized and where the key comes from, and how the outcome is
// printed.

#include "cli/Shard.h"
#include "model/Engine.h"
#include "model/OutputOptions.h"
#include "model/TovalinOptions.h"

#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

struct CliOptions
{
    static constexpr int defaultJobs = 4;

    // The key is added once it has been found.
    TovalinOptions request;
    // Beside the images unless --output-dir; dated as their images unless --no-keep-dates.
    OutputOptions output;
    int jobs = defaultJobs;
    Shard shard;

    QStringList paths;
    // --engine, else the service for --service-url, else the engine the program was built to start on.
    Engine engine = Engine::local;
    QString apiKeyFile; // empty when not given
    // Another service than the one the program was built for, with the certificates that sign it.
    std::optional<QUrl> serviceUrl;
    QString caFile;

    // Send images even when their outputs are up to date.
    bool force = false;
    // Tell what would be sent and what skipped, and send nothing.
    bool dryRun = false;
    // Stay, and optimize the images that appear or change in the folders given.
    bool watch = false;

    bool json = false;
    bool quiet = false;
};
