#pragma once

// The outputs this program has written in the folders the intake walked or a check asked about, with
// their marks, and which folders lie on a file system that keeps no marks. A folder not yet seen is
// read when it is first asked for.

#include "output/OutputMark.h"

#include <QByteArray>
#include <QHash>

#include <optional>

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
        // Known once a file of the folder, or the folder itself, has been asked for its mark.
        std::optional<bool> marksKept;
        // By the reference to the source they were made from (OutputNames::sourceReference()).
        QMultiHash<QByteArray, Output> outputs;
        void add(const QByteArray& name, const OutputMark& mark)
        {
            outputs.insert(mark.source.reference, {name, mark});
        }
    };

    void add(const QByteArray& folder, Folder found) { m_folders.insert(folder, std::move(found)); }
    const Folder& folder(const QByteArray& path);
    // Whether the file system of `folder` keeps marks.
    bool marksKept(const QByteArray& folder);
    // The marked files directly in `path` (images of the ten kinds and AVIF files).
    static Folder scan(const QByteArray& path);

private:
    QHash<QByteArray, Folder> m_folders;
};
