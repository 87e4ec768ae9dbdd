// Settings of one running service, from its command line.
#pragma once

#include <QStringList>

struct ServiceConfig
{
    QStringList apiKeys;
    qint64 maxUploadBytes = 100LL * 1024 * 1024;
    qint64 ttlSeconds = 3600;
    int delayMs = 0;         // added to every processing, to exercise the pending path
    int maxWaitSeconds = 30; // a request's "wait" is clamped to this
    bool passthrough = false;
    qint64 maxPixels = 100'000'000;
    int workers = 2;
};
