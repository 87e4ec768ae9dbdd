#pragma once

// Where a job's results go and how they are dated, fixed when the job starts. A plain value.

#include <QString>

struct OutputOptions
{
    // Empty: beside each source. Else the folder of results, where the tree under each added folder is
    // mirrored and a file added by itself goes to the top.
    QString folder;
    // Every output gets its source's modification time.
    bool keepDates = true;
};
