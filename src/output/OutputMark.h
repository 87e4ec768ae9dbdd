#pragma once

// The mark this program leaves on every output it writes, as the extended attribute
// "user.tovalin.output", the way other Linux tools record where a file came from: which kind of output
// it is, which source it was made from (by file name when the output is beside it, by absolute path
// when it is elsewhere, with the source's size and modification time as they were when it was sent),
// with which settings and companions asked for, and, once the job has saved everything, which outputs
// it saved. It tells the intake that a file is one of our outputs and not a source, and a rerun that
// an image's outputs are all there and up to date; the output's own dates play no part.
//
// File systems without extended attributes keep no mark; reading says so, and writing does nothing.
// Writing also leaves the mark's short form (BriefMark), which the intake and the rerun read.

#include "model/OutputKind.h"
#include "model/TovalinOptions.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

struct OutputMarkReading;

struct OutputMark
{
    // What a mark says about the source it was made from.
    struct Source
    {
        // OutputNames::sourceReference(), as the file system spells it: a file name, or an absolute path.
        QByteArray reference;
        qint64 size = -1;
        qint64 modifiedNs = -1; // modification time, nanoseconds since the epoch
        bool operator==(const Source&) const = default;
    };

    OutputKind kind = OutputKind::optimized;
    Source source;
    QByteArray settings;     // the key of the settings it was made with (RequestParameters::settingsKey())
    qint64 bytes = -1;       // the output's own size when it was written
    QList<OutputKind> asked; // the companions that were asked for
    // Every output the job saved, once it has saved them all; empty while it is still at work, or when
    // it never finished.
    QList<OutputKind> saved;

    static constexpr const char* attributeName = "user.tovalin.output";

    static QList<OutputKind> companionsAskedFor(const TovalinOptions& options);

    QByteArray encode() const;
    // Nothing for a value this program did not write.
    static std::optional<OutputMark> decode(const QByteArray& value);
    // The source's identity as the file system gives it for a path, named by `reference`; nothing when
    // it cannot be read.
    static std::optional<Source> sourceAt(const QByteArray& path, const QByteArray& reference);
    // The same for the file `name` in the folder open as `folder`.
    static std::optional<Source> sourceAt(int folder, const QByteArray& name, const QByteArray& reference);

    enum class Found
    {
        marked,
        unmarked,
        unsupported, // the file system keeps no marks
    };
    // Asked of a folder, tells whether its file system keeps marks.
    static OutputMarkReading read(const QByteArray& path);
    // False when the file system keeps no marks, or the mark could not be written. Written on an open
    // file, the mark takes the file's size as it is then.
    bool writeTo(int fd);
    bool writeTo(const QByteArray& path) const;
};

struct OutputMarkReading
{
    OutputMark::Found found = OutputMark::Found::unmarked;
    std::optional<OutputMark> mark; // when found is marked
};
