#include "queue/QueueTally.h"

#include <algorithm>

void QueueTally::count(const ImageJob& job, int sign)
{
    if (job.status != JobStatus::succeeded) {
        remaining += sign;
        return;
    }
    succeeded += sign;
    if (job.originalSize < 0) {
        return;
    }
    // Companions come beside the source rather than in its place, so only the optimized image counts.
    const auto optimized = std::find_if(job.downloads.cbegin(), job.downloads.cend(),
                                        [](const DownloadedFile& file) { return file.kind == OutputKind::optimized; });
    if (optimized != job.downloads.cend() && optimized->size >= 0) {
        savings.originalBytes += sign * job.originalSize;
        savings.optimizedBytes += sign * optimized->size;
        savings.jobs += sign;
    }
}
