#pragma once

// How sizes and savings read, wherever the program shows them: a size in the locale's own formatting
// ("412 kB", "1,5 MB"), and the change of an optimized image against its source as a signed whole
// percentage with a true minus sign ("−63 %", "+4 %").

#include "model/DownloadedFile.h"

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

class SizeText
{
    Q_DECLARE_TR_FUNCTIONS(SizeText)

public:
    static QString size(qint64 bytes);
    // Empty when either size is unknown or the source was empty.
    static QString change(qint64 size, qint64 originalSize);
    // What a job's row shows beside a saved file: its size, and for the optimized image the change
    // against the source ("412 kB  −63 %"). Empty when the size is unknown.
    static QString fileDetail(const DownloadedFile& file, qint64 originalSize);
    // The mark of a companion larger than the optimized image saved with it: "larger than Optimized".
    static QString largerThan(const DownloadedFile& optimized);
    // The queue's total over its finished jobs: "Saved 1.2 MB of 3.4 MB (−35 %)".
    static QString saved(qint64 originalBytes, qint64 optimizedBytes);
};
