#pragma once

// Turns files and folders into jobs at the end of the queue. A file is taken as given; a folder (its
// location marked by a trailing "/") is searched for images with one of the ten extensions, hidden
// entries left out. A file already in the queue is not queued again. Runs on the main thread, the
// folder walk included.

#include <QList>
#include <QUrl>

class JobListModel;
class QString;

class QueueIntake
{
public:
    explicit QueueIntake(JobListModel* jobs);

    // Appends one job per new image as one block of rows; returns how many were added.
    qsizetype addFiles(const QList<QUrl>& urls) const;

    static QList<QUrl> collectImages(const QUrl& folder);
    // The marked form of a folder location, as addFiles() expects it.
    static QUrl directoryUrl(const QString& path);
    static bool isDirectoryMarked(const QUrl& url);

private:
    JobListModel* m_jobs;
};
