#pragma once

// Where the results of one source image go and under which names: "<base>-optimized.<ext>" for the
// optimized image and "<base>.webp" / "<base>.avif" for the companions, where <base> is the source's
// name without its last extension; in the source's own folder, or in a folder of results, where the
// tree under each folder the user added is mirrored. The service chooses the optimized image's
// extension through its address, so that extension is taken only when it is a plain one; no name can
// leave its folder or replace the source itself.
//
// Two sources that share a folder of results and a base name ("noise.png", "noise.jpg") would write
// the same companions, and the same optimized image when the service answers both in one format
// ("noise.bmp" comes back as PNG, like "noise.png"). Named from the whole source name instead, each
// keeps its own: "noise.png.webp" and "noise.jpg.webp", "noise.bmp-optimized.png" beside
// "noise-optimized.png". The optimized image keeps the short name whenever its extension is the
// source's own: a partner answered in that format takes the longer name, unless it has no extension
// that could tell it apart.
//
// The names are recognised here too, so that the intake never takes a result for a source.

#include "model/OutputKind.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringView>
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

    OutputNames() = default;
    // The outputs of `sourcePath` in `folder`, or beside the source when `folder` is empty.
    explicit OutputNames(const QString& sourcePath, Naming naming = Naming::baseName, const QString& folder = {});

    // Where the outputs of `sourcePath` go: beside it without `resultsFolder`; with it, the place there
    // that mirrors the source's place under `addedFrom`, the folder whose search found it (the top of
    // `resultsFolder` for a source added by itself, or one that is not under `addedFrom`).
    static QString folderFor(const QString& sourcePath, const QString& addedFrom, const QString& resultsFolder);

    QString sourcePath() const { return m_sourcePath; }
    QString folder() const { return m_folder; }
    Naming naming() const { return m_naming; }
    QString fileName() const { return m_fileName; }
    QString baseName() const { return m_baseName; }
    QString sourceExtension() const { return m_sourceExtension; }
    bool isBesideSource() const { return m_besideSource; }
    // How a mark on these outputs names their source: by its file name when they are beside it, by its
    // absolute path when they are elsewhere, so that sources of one name from two folders never pass
    // for each other.
    QByteArray sourceReference() const;

    // The name of the output of `kind`. For the optimized image, `extension` is the result's (from its
    // address): used when it is a plain one, else the source's is.
    QString name(OutputKind kind, const QString& extension = {}) const;
    // The name from the whole source name, whatever the naming: where another file holds the usual one.
    QString longName(OutputKind kind, const QString& extension = {}) const;

    // The absolute path for `name` inside the folder; nothing when `name` is not one plain file name
    // there, or when it would be the source itself (compared ignoring case, as some file systems do).
    std::optional<QString> destination(const QString& name) const;

    // The stems under which these outputs may be written, absolute and case-folded (some file systems
    // ignore case). Every output is a stem followed by "-optimized", ".webp", ".avif" or "-optimized."
    // and a plain extension, so two sources can write one file only when their claims meet.
    QSet<QString> claims() const;
    // The folder of results and the base name, letter case aside, as a 64-bit hash: sources with the
    // same key would share their names.
    quint64 stemKey() const { return stemKey(m_folder, m_fileName); }
    static quint64 stemKey(QStringView folder, QStringView fileName);

    // 1 to 8 ASCII letters or digits.
    static bool isPlainExtension(const QString& extension);
    // The part after the last dot of the last path component, decoded; empty when there is none.
    static QString remoteExtension(const QUrl& url);

    // A name this program can give an output: "…-optimized", "…-optimized.EXT", "….webp" or "….avif".
    static bool mayBeOutput(const char* name);
    // Whether `name` is one this program gives an output of a source among `images` (the names in the
    // same folder with one of the ten extensions): "X-optimized.EXT", "X.webp" or "X.avif" beside a
    // source "X.*", or beside a source named "X" itself, as sources sharing a base name are named.
    static bool namedLikeOutput(const QByteArray& name, const QList<QByteArray>& images);

private:
    QString named(OutputKind kind, const QString& extension, bool fromSourceName) const;

    Naming m_naming = Naming::baseName;
    QString m_sourcePath;
    QString m_folder;
    QString m_fileName;
    QString m_baseName;
    QString m_sourceExtension;
    bool m_besideSource = true;
};
