#pragma once

// Writes the outputs of one job where its OutputNames put them. Each output takes its own name unless
// another file holds it: a file of the user's, or an output of another source (whose mark names that
// one); then the name from the whole source name, and when that is held too, none. Where the file
// system keeps no marks, nobody's file can be told from ours, and the name is taken as ever. Every
// output is written whole or not at all (OutputFile), marked with the source as it was sent, and, when
// dates are kept, dated as its source is.

#include "model/OutputKind.h"
#include "output/OutputFile.h"
#include "output/OutputMark.h"
#include "output/OutputNames.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QThreadPool>

#include <memory>
#include <optional>

class OutputWriter
{
public:
    // `source`: the source as it was sent, when it could be read; `settings` and `asked`: what the
    // job's request decides the results with, and the companions it asks for.
    OutputWriter(OutputNames names, std::optional<OutputMark::Source> source, QByteArray settings,
                 QList<OutputKind> asked, bool keepDates);

    const OutputNames& names() const { return m_names; }
    // The folder that keeps the outputs from being written (their own, or the nearest one above it
    // that is to hold it); empty when they can be.
    QString unwritableFolder() const;

    struct Placement
    {
        QString path;
        QString notReplaced; // the file that holds the output's own name, left alone
    };
    // Where the output of `kind` goes; `extension` is the result's, for the optimized image.
    std::optional<Placement> place(OutputKind kind, const QString& extension = {}) const;
    // The output's file, open for its bytes; null when it cannot be made.
    std::unique_ptr<OutputFile> open(OutputKind kind, const Placement& placement) const;

    // Blocking: once a job has committed all of `files`, each one's mark lists them all, so that a
    // rerun can tell an output deleted since from one the service never made.
    // The marks that already do (a job's only output lists itself from its commit, OutputFile::setSaved)
    // are left as they are.
    static void markSaved(const QList<const OutputFile*>& files);
    // True when every mark of `files` lists them all already: markSaved() has nothing to do.
    static bool marksSaved(const QList<const OutputFile*>& files);
    // Where commits and marks are done: disk work, away from the threads that compute.
    static QThreadPool* pool();

private:
    bool heldByAnother(const QString& path) const;

    OutputNames m_names;
    std::optional<OutputMark::Source> m_source;
    QByteArray m_settings;
    QList<OutputKind> m_asked;
    bool m_keepDates;
};
