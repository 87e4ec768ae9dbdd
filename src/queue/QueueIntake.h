#pragma once

// Turns files and folders into jobs at the end of the queue. A file is taken as given; a folder (its
// location marked by a trailing "/") is searched for images with one of the ten extensions, hidden
// entries left out, and so are the outputs this program wrote there: known by their mark, or, on a
// file system that keeps no marks, by their names beside their source's. A file already in the queue
// is not queued again. Runs on the main thread, the folder walk included.

#include <QList>
#include <QUrl>

class JobListModel;
class MarkedOutputs;
class QByteArray;
class QString;

class QueueIntake
{
public:
    // The outputs found on the way are noted in `outputs`, when given.
    explicit QueueIntake(JobListModel* jobs, MarkedOutputs* outputs = nullptr);

    // Appends one job per new image as one block of rows; returns how many were added.
    qsizetype addFiles(const QList<QUrl>& urls) const;

    static QList<QUrl> collectImages(const QUrl& folder, MarkedOutputs* outputs = nullptr);
    // The marked form of a folder location, as addFiles() expects it.
    static QUrl directoryUrl(const QString& path);
    static bool isDirectoryMarked(const QUrl& url);
    // One of the ten extensions, in any letter case.
    static bool hasImageExtension(const char* name);
    // A name this program can give an output: "…-optimized", "…-optimized.EXT", "….webp" or "….avif".
    static bool mayBeOutput(const char* name);
    // Whether `name` is one this program gives an output of a source among `images` (the names in the
    // same folder with one of the ten extensions): "X-optimized.EXT", "X.webp" or "X.avif" beside a
    // source "X.*", or beside a source named "X" itself, as sources sharing a base name are named.
    static bool namedLikeOutput(const QByteArray& name, const QList<QByteArray>& images);

private:
    JobListModel* m_jobs;
    MarkedOutputs* m_outputs;
};
