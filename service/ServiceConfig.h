// Settings of one running service, from its command line.
#pragma once

#include <QStringList>

struct ServiceConfig
{
    QStringList apiKeys;
    qint64 maxUploadBytes = 100LL * 1024 * 1024;
    qint64 ttlSeconds = 3600;
    qint64 storeQuotaBytes = 2048LL * 1024 * 1024; // originals and results on disk together
    int delayMs = 0;                               // added to every processing, to exercise the pending path
    int maxWaitSeconds = 30;                       // a request's "wait" is clamped to this
    bool passthrough = false;
    qint64 maxPixels = 100'000'000;
    int workers = 2;
    int maxConnections = 128;     // served at once; past it a request is answered 503
    int headerTimeoutMs = 10'000; // the TLS handshake, then each request's head; a body's grace
    int idleTimeoutMs = 30'000;   // an open connection between two requests
};
