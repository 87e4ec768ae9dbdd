#include "queue/SavedFiles.h"

#include <algorithm>

bool SavedFiles::isOptimized(const DownloadedFile& file)
{
    return file.kind == OutputKind::optimized;
}

const DownloadedFile* SavedFiles::optimized(const QList<DownloadedFile>& files)
{
    const auto found = std::find_if(files.cbegin(), files.cend(), isOptimized);
    return found == files.cend() ? nullptr : &*found;
}

bool SavedFiles::isLargerThanOptimized(const DownloadedFile& file, const QList<DownloadedFile>& files)
{
    if (isOptimized(file) || file.size < 0) {
        return false;
    }
    const DownloadedFile* reference = optimized(files);
    return reference != nullptr && reference->size >= 0 && file.size > reference->size;
}
