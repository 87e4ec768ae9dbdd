#pragma once

// The short form of an output's mark, kept beside the mark as the extended attribute
// "user.tovalin.brief": the kind, the source's size and modification time, the output's size, the
// companions asked for and the outputs saved as they are, the source's reference and the settings only
// as a digest. At 52 bytes it fits in the inode itself on ext4 (whose inodes keep about 100 bytes of
// attributes), where the whole mark needs a block of its own; reading it skips that block, and a rerun
// reads one for every output of the tree. It tells an output and decides a rerun exactly as the whole
// mark does; what the whole mark alone gives is the source's reference and the settings as text.
//
// Written after the whole mark, from the same values, and read before it; an output without one (made
// before it was written, or on a file system that took the mark but not the short form) is read from
// its whole mark. A short form left behind from before the job saved everything lists nothing saved,
// which only makes the output look due.

#include "output/OutputMark.h"

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <optional>

struct BriefMarkReading;

struct BriefMark
{
    using Digest = std::array<uchar, 16>;

    // Read from the short form: reference and settings are empty, known through `digest`. Read from
    // the whole mark: as written.
    OutputMark mark;
    // OutputMark::Source::reference, as a key to look outputs up by; equal keys may still be two
    // sources, equal digests may not.
    quint64 referenceKey = 0;
    std::optional<Digest> digest;

    static constexpr const char* attributeName = "user.tovalin.brief";

    static quint64 keyOf(QByteArrayView reference);
    // Of a source's reference and the settings' key, the two values the short form keeps as one.
    static Digest digestOf(QByteArrayView reference, QByteArrayView settings);

    static BriefMark of(OutputMark mark);
    static QByteArray encode(const OutputMark& mark);
    // Nothing for a value this program did not write.
    static std::optional<BriefMark> decode(QByteArrayView value);

    // Whether it was made from the source as it is `now` with the settings of key `settings`;
    // `expected` is digestOf() of those, made when first needed.
    bool madeFrom(const OutputMark::Source& now, const QByteArray& settings, std::optional<Digest>& expected) const;

    // Reads the marks of files of one folder, the short form where there is one, else the whole mark, by name relative
    // to it where the kernel allows (getxattrat(2), Linux 6.13), which spares it the walk down the whole path for each.
    // Where a file had only the whole mark (made before the short form was written), the others are read from theirs at
    // once.
    class Folder
    {
    public:
        explicit Folder(const QByteArray& path);
        ~Folder();
        Folder(const Folder&) = delete;
        Folder& operator=(const Folder&) = delete;
        BriefMarkReading read(const QByteArray& name);

    private:
        QByteArray m_path;
        int m_fd = -1;
        bool m_wholeFirst = false;
    };
    // Writes the short form of `mark`; false when it could not be.
    static bool writeTo(int fd, const OutputMark& mark);
    static bool writeTo(const QByteArray& path, const OutputMark& mark);
};

struct BriefMarkReading
{
    OutputMark::Found found = OutputMark::Found::unmarked;
    std::optional<BriefMark> mark; // when found is marked
};
