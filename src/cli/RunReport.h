#pragma once

// What the command prints when the run is over: a table for people (one row per image, with the
// companions it saved beneath it, and totals) or one JSON object per image for machines. Paths are
// shown relative to `base` when they lie beneath it.

#include "model/ImageJob.h"

#include <QCoreApplication>
#include <QDir>
#include <QList>
#include <QString>

#include <optional>

class RunReport
{
    Q_DECLARE_TR_FUNCTIONS(RunReport)

public:
    enum class State
    {
        done,
        failed,
        stopped,
        skipped, // up to date, not sent
        due,     // would be sent (a dry run)
    };

    // For a dry run, nothing was sent: a job that was not skipped is due.
    RunReport(QList<ImageJob> jobs, QDir base, bool dryRun = false);

    // A job the run never finished (the command was left at once) counts as stopped; in a dry run, as due.
    static State stateOf(const ImageJob& job, bool dryRun = false);
    // For people, in the language of the installed translation.
    static QString label(State state);
    // For machines, always the same: "done", "failed", "stopped", "skipped" or "due".
    static QString key(State state);
    // Bytes of the source as it was sent, or nothing when the job did not succeed.
    static std::optional<qint64> sourceSize(const ImageJob& job);
    // Bytes of the optimized image, or nothing when it was not saved.
    static std::optional<qint64> optimizedSize(const ImageJob& job);

    QString table() const;
    // One compact JSON object per line, in UTF-8.
    QByteArray jsonLines() const;
    // The lines of the jobs from `from` up to `to`, of size().
    QByteArray jsonLines(qsizetype from, qsizetype to) const;
    qsizetype size() const;
    // The file relative to `base` when it lies beneath it, else its absolute path.
    static QString displayPath(const QUrl& file, const QDir& base);

private:
    QList<ImageJob> m_jobs;
    QDir m_base;
    bool m_dryRun;
};
