#pragma once

// What the window tells apart among the files a job saved: which one is the optimized image, and which
// companion came out larger than it. The one place the window reads an output's kind.

#include "model/DownloadedFile.h"

#include <QList>

class SavedFiles
{
public:
    static bool isOptimized(const DownloadedFile& file);
    // The optimized image among `files`, or null.
    static const DownloadedFile* optimized(const QList<DownloadedFile>& files);
    // A companion (WebP, AVIF) whose size is known and above that of the optimized image saved with it.
    static bool isLargerThanOptimized(const DownloadedFile& file, const QList<DownloadedFile>& files);
};
