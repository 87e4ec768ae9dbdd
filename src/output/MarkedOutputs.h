#pragma once

// The outputs this program has written in the folders the intake walked or a check asked about, with
// their marks, and which folders lie on a file system that keeps no marks. A folder not yet seen is
// read when it is first asked for.

#include "output/BriefMark.h"

#include <QByteArray>
#include <QHash>

#include <optional>

class MarkedOutputs
{
public:
    struct Output
    {
        QByteArray name;
        BriefMark mark;
    };
    struct Folder
    {
        // Known once a file of the folder, or the folder itself, has been asked for its mark.
        std::optional<bool> marksKept;
        // By the key of the reference to the source they were made from (BriefMark::keyOf() of
        // OutputNames::sourceReference()).
        QMultiHash<quint64, Output> outputs;
        void add(const QByteArray& name, BriefMark mark)
        {
            const quint64 key = mark.referenceKey;
            outputs.insert(key, {name, std::move(mark)});
        }
    };

    void add(const QByteArray& folder, Folder found) { m_folders.insert(folder, std::move(found)); }
    const Folder& folder(const QByteArray& path);
    // Whether the file system of `folder` keeps marks.
    bool marksKept(const QByteArray& folder);
    // Reads the folders of `paths` not read yet, spread over the cores, and tells for each whether its
    // file system keeps marks; then found() answers for each of them, from any thread.
    void prepare(const QList<QByteArray>& paths);
    // A folder read, with its marksKept known once prepared; nothing for one never read.
    const Folder* found(const QByteArray& path) const;
    // The marked files directly in `path` (images of the ten kinds and AVIF files).
    static Folder scan(const QByteArray& path);

private:
    QHash<QByteArray, Folder> m_folders;
};
