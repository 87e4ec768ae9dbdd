#pragma once

// What the views count over the queue: the jobs not yet done, the jobs done, and what the done jobs
// saved. The job list keeps it up to date with every change it makes, so that reading it costs nothing
// with 100,000 jobs queued.

#include "model/ImageJob.h"

#include <QtGlobal>

struct QueueTally
{
    // The finished jobs' sources against their optimized images, over the jobs where both sizes are
    // known.
    struct Savings
    {
        qint64 originalBytes = 0;
        qint64 optimizedBytes = 0;
        int jobs = 0;
    };

    int remaining = 0;
    int succeeded = 0;
    Savings savings;

    // Adds what one job counts for (`sign` 1), or takes it away again (`sign` -1).
    void count(const ImageJob& job, int sign);
};
