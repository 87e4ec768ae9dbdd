#pragma once

// The names under which results are saved beside a source image: "<base>-optimized.<ext>" for the
// optimized image and "<base>.webp" / "<base>.avif" for the companions, where <base> is the source's
// name without its last extension. The service chooses the optimized image's extension through its
// address, so that extension is taken only when it is a plain one; no name can leave the source's
// folder or replace the source itself.
//
// Two sources of one folder that share a base name ("noise.png", "noise.jpg") would write the same
// companions, and the same optimized image when the service answers both in one format ("noise.bmp"
// comes back as PNG, like "noise.png"). Named from the whole source name instead, each keeps its own:
// "noise.png.webp" and "noise.jpg.webp", "noise.bmp-optimized.png" beside "noise-optimized.png". The
// optimized image keeps the short name whenever its extension is the source's own: a partner answered
// in that format takes the longer name, unless it has no extension that could tell it apart.

#include <QString>
#include <QUrl>

#include <optional>

class OutputNames
{
public:
    enum class Naming
    {
        baseName,   // "noise.webp", "noise-optimized.png"
        sourceName, // "noise.png.webp", "noise.bmp-optimized.png"
    };

    explicit OutputNames(const QString& sourcePath, Naming naming = Naming::baseName);

    QString folder() const { return m_folder; }
    QString fileName() const { return m_fileName; }
    QString baseName() const { return m_baseName; }
    QString sourceExtension() const { return m_sourceExtension; }

    // The optimized image's name; the extension of `remote`'s path when it is a plain one, else the
    // source's.
    QString optimized(const QUrl& remote) const;
    // The optimized image's name with the source's extension, for the fallback to the original.
    QString optimizedFallback() const;
    QString webp() const;
    QString avif() const;
    // The names from the whole source name, whatever the naming: where a file of the user's holds the
    // usual name.
    QString optimizedFromSourceName(const QUrl& remote) const;
    QString optimizedFallbackFromSourceName() const;
    QString webpFromSourceName() const;
    QString avifFromSourceName() const;

    // The absolute path for `name` inside the source's folder; nothing when `name` is not one plain
    // file name there, or when it would be the source itself (compared ignoring case, as some file
    // systems do).
    std::optional<QString> destination(const QString& name) const;

    // 1 to 8 ASCII letters or digits.
    static bool isPlainExtension(const QString& extension);
    // The part after the last dot of the last path component, decoded; empty when there is none.
    static QString remoteExtension(const QUrl& url);

private:
    QString withExtension(const QString& stem, const QString& extension) const;
    QString companionStem() const;

    Naming m_naming;
    QString m_folder;
    QString m_fileName;
    QString m_baseName;
    QString m_sourceExtension;
};
