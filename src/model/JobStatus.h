#pragma once

// The state of one queued job and how a row presents it. A stopped job is neither done nor failed: it
// is shown in a neutral tone, and a later Optimize takes it up again.

#include "model/NamedColor.h"

#include <QString>

#include <array>

enum class JobStatus
{
    queued,
    running,
    succeeded,
    failed,
    stopped,
};

inline constexpr std::array allJobStatuses{JobStatus::queued, JobStatus::running, JobStatus::succeeded,
                                           JobStatus::failed, JobStatus::stopped};

// In the language of the installed translation; English without one.
QString label(JobStatus status);
// The symbol name of the status icon; the window resolves it to an icon.
QString icon(JobStatus status);
NamedColor color(JobStatus status);
