#pragma once

// Small measuring functions shared by the benchmarks: medians, and the process's memory as the kernel
// and the allocator count it.

#include <QElapsedTimer>
#include <QList>

namespace Measure {

double median(QList<double> values);
double elapsedMs(const QElapsedTimer& timer);

// Resident set size and its peak since start or since resetPeakResident(), in bytes (Linux).
qint64 residentBytes();
qint64 peakResidentBytes();
// Starts the peak anew from the current resident size; false where the kernel does not allow it.
bool resetPeakResident();
// Bytes handed out by malloc and not yet freed: independent of the clock and of the page cache.
qint64 heapInUseBytes();

} // namespace Measure
