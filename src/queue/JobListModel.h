#pragma once

// The queue as a list model: one row per job, in queue order. Rows are addressed by job id; a change
// to one job is a dataChanged of its row only, an append is one block insertion and a removal removes
// exactly the removed rows, so a list view stays cheap with 100,000 jobs. A row reads to assistive
// tools as its file name and state, described by its message and saved files.

#include "model/ImageJob.h"
#include "queue/QueueTally.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QUuid>

#include <functional>

class JobListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role
    {
        IdRole = Qt::UserRole + 1,
        UrlRole,
        FileNameRole, // last path component of the source
        StatusRole,   // JobStatus
        MessageRole,
        DownloadsRole,    // QList<DownloadedFile>
        OriginalSizeRole, // bytes of the source as sent, -1 until the job succeeded
    };
    Q_ENUM(Role)

    explicit JobListModel(QObject* parent = nullptr);

    // A view asks for every row's index on each layout; a flat list answers without the virtual
    // row and column counts the base class goes through.
    QModelIndex index(int row, int column = 0, const QModelIndex& parent = {}) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    const QList<ImageJob>& jobs() const { return m_jobs; }
    // Counted as the jobs change, never by a pass over them.
    const QueueTally& tally() const { return m_tally; }
    // Row of the job with this id, or -1. Ids, never positions, survive a wait.
    int rowOf(const QUuid& id) const;
    const ImageJob* find(const QUuid& id) const;
    // Whether the job of this row has saved files, read without building a QVariant: the row's height
    // depends on it alone, and a layout asks for every row.
    bool hasDownloads(int row) const;
    // Whether a job for this source is queued, in any state.
    bool hasJobFor(const QUrl& source) const { return m_sources.contains(source); }
    // The jobs that list `file` among their saved files, looked up rather than searched for.
    QList<QUuid> jobsListing(const QUrl& file) const;

    // Appends all jobs as one block of rows.
    void append(QList<ImageJob> jobs);
    // Applies `change` to the job with this id and reports its row changed. False when it is gone.
    // The change keeps the job's id and source.
    bool update(const QUuid& id, const std::function<void(ImageJob&)>& change);
    // Applies `change(i, job)` to the job of each of `ids` still there, where it returns true when it
    // changed the job, and reports the rows changed at once, from the first to the last: many jobs
    // settled together cost a view one layout, not one each. Returns how many changed.
    qsizetype updateEach(const QList<QUuid>& ids, const std::function<bool(qsizetype, ImageJob&)>& change);
    // Removes every job for which `predicate` holds, range by range. Returns how many were removed.
    qsizetype removeIf(const std::function<bool(const ImageJob&)>& predicate);

private:
    void list(const ImageJob& job) const;
    void unlist(const QUuid& id, const QList<DownloadedFile>& downloads) const;

    QList<ImageJob> m_jobs;
    QueueTally m_tally;
    // Kept with each change like the tally: how many jobs there are for each source, and every saved
    // file a job lists, to the job. The files are indexed from the first look on: a queue that is only
    // shown, or a rerun that sends nothing, never looks.
    QHash<QUrl, int> m_sources;
    mutable QMultiHash<QUrl, QUuid> m_listings;
    mutable bool m_listingsKept = false;
    // Rows by id, made again on the first look after a removal moved rows.
    mutable QHash<QUuid, int> m_rows;
    mutable bool m_rowsValid = true;
};
