#pragma once

// The outputs this program has written in the folders the intake walked, with their marks, and which
// folders lie on a file system that keeps no marks. A folder the walk did not pass is read when it is
// first asked for.

#include "OutputMark.h"

#include <QByteArray>
#include <QHash>
#include <QList>

class MarkedOutputs
{
public:
    struct Output
    {
        QByteArray name;
        OutputMark mark;
    };
    struct Folder
    {
        bool marksKept = true;
        QList<Output> outputs;
    };

    void add(const QByteArray& folder, Folder found) { m_folders.insert(folder, std::move(found)); }
    const Folder& folder(const QByteArray& path);
    // The marked files directly in `path` (images of the ten kinds and AVIF files).
    static Folder scan(const QByteArray& path);

private:
    QHash<QByteArray, Folder> m_folders;
};
