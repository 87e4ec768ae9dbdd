#pragma once

// How a job's latest run ended, for the code that acts on it (the command's report, its exit status,
// the end-of-run counts): display texts are never compared to tell them apart.

enum class JobOutcome
{
    none, // never run, or running now
    optimized,
    failed,
    stopped,
    skipped, // up to date, so not sent: the command line's reruns
};
