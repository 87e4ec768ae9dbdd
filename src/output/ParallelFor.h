#pragma once

// Spreads many small, independent file-system queries (a mark read, a stat) over the machine's cores:
// each costs a few microseconds in the kernel, and a tree of 10,000 images asks tens of thousands of
// them. The calling thread takes its share and returns once every index has been done. A helper
// thread that is not free at once is not waited for, so a busy machine only makes it slower, never
// stuck.

#include <QtGlobal>

#include <functional>

namespace ParallelFor {

// Calls `work(i)` for every i in [0, count), each exactly once, from several threads: as many as give
// each at least `perThread` indices.
void each(qsizetype count, const std::function<void(qsizetype)>& work, qsizetype perThread = 256);

} // namespace ParallelFor
