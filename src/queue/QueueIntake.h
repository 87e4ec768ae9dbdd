#pragma once

// Turns files and folders into jobs at the end of the queue. A file is taken as given; a folder (its
// location marked by a trailing "/") is searched for images with one of the ten extensions, hidden
// entries left out, and so are the outputs this program wrote there: known by their mark, or, on a
// file system that keeps no marks, by their names beside their source's. A file already in the queue
// is not queued again. Runs on the calling thread, the folder walk included; only the marks are read
// on several.

#include "model/ImageJob.h"

#include <QList>
#include <QString>
#include <QUrl>

#include <functional>
#include <utility>

class JobListModel;
class MarkedOutputs;

class QueueIntake
{
public:
    // The outputs found on the way are noted in `outputs`, when given.
    explicit QueueIntake(JobListModel* jobs, MarkedOutputs* outputs = nullptr);

    // Sees the new jobs of each addition before they join the queue, and may change them.
    using Arrival = std::function<void(QList<ImageJob>& arriving)>;
    void setArrival(Arrival arrival) { m_arrival = std::move(arrival); }

    // Appends one job per new image as one block of rows; returns how many were added.
    qsizetype addFiles(const QList<QUrl>& urls) const;
    // The same for images already found in `folder` (their search is the caller's), or given by
    // themselves when `folder` is empty.
    qsizetype addImages(const QList<QUrl>& images, const QUrl& folder = {}) const;

    static QList<QUrl> collectImages(const QUrl& folder, MarkedOutputs* outputs = nullptr);
    // The marked form of a folder location, as addFiles() expects it.
    static QUrl directoryUrl(const QString& path);
    static bool isDirectoryMarked(const QUrl& url);
    // One of the ten extensions, in any letter case.
    static bool hasImageExtension(const char* name);
    // The folder a marked folder location stands for, as a job keeps it (ImageJob::addedFrom).
    static QString folderPath(const QUrl& folder);

private:
    // Each source with the folder it was found in.
    qsizetype append(const QList<std::pair<QUrl, QString>>& found) const;

    JobListModel* m_jobs;
    MarkedOutputs* m_outputs;
    Arrival m_arrival;
};
