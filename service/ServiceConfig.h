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
    int maxConnections = 128;       // served at once; past it a request is answered 503
    int maxConnectionsPerPeer = 64; // of them, from one address
    int headerTimeoutMs = 10'000;   // the TLS handshake, then each request's head; a body's grace
    int idleTimeoutMs = 30'000;     // an open connection between two requests
    int bodyTimeoutMs = 300'000;    // a request's whole body, however steadily it arrives
    qint64 memoryBudgetBytes = 0;   // codec work at once; 0 for a quarter of the machine's memory
    int queueTimeoutMs = 300'000;   // the longest an image waits for its share of the budget
};
