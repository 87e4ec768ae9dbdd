#include "queue/JobListModel.h"

#include "queue/SavedFiles.h"
#include "queue/SizeText.h"

#include <algorithm>
#include <utility>

namespace {

QString accessibleDescription(const ImageJob& job)
{
    QStringList parts{job.message};
    for (const DownloadedFile& file : job.downloads) {
        QString part = file.formatLabel() + QStringLiteral(": ") +
                       (file.path.isLocalFile() ? file.path.toLocalFile() : file.path.toString());
        if (file.size >= 0) {
            part += QStringLiteral(", ") + SizeText::size(file.size);
        }
        if (SavedFiles::isOptimized(file)) {
            const QString change = SizeText::change(file.size, job.originalSize);
            if (!change.isEmpty()) {
                part += QStringLiteral(", ") + change;
            }
        } else if (SavedFiles::isLargerThanOptimized(file, job.downloads)) {
            part += QStringLiteral(", ") + SizeText::largerThan(*SavedFiles::optimized(job.downloads));
        }
        parts << part;
    }
    parts.removeAll(QString());
    // Each part ends as a sentence, so a screen reader pauses between them.
    for (QString& part : parts) {
        if (!part.endsWith(QLatin1Char('.')) && !part.endsWith(QChar(0x2026))) {
            part += QLatin1Char('.');
        }
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

JobListModel::JobListModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

QModelIndex JobListModel::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || column != 0 || row < 0 || row >= m_jobs.size()) {
        return {};
    }
    return createIndex(row, column);
}

bool JobListModel::hasDownloads(int row) const
{
    return row >= 0 && row < m_jobs.size() && !m_jobs.at(row).downloads.isEmpty();
}

int JobListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_jobs.size());
}

QVariant JobListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const ImageJob& job = m_jobs.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case FileNameRole:
        return job.url.fileName();
    case IdRole:
        return job.id;
    case UrlRole:
        return job.url;
    case StatusRole:
        return QVariant::fromValue(job.status);
    case MessageRole:
        return job.message;
    case DownloadsRole:
        return QVariant::fromValue(job.downloads);
    case OriginalSizeRole:
        return job.originalSize;
    case Qt::AccessibleTextRole:
        return job.url.fileName() + QStringLiteral(", ") + label(job.status);
    case Qt::AccessibleDescriptionRole:
        return accessibleDescription(job);
    default:
        return {};
    }
}

QHash<int, QByteArray> JobListModel::roleNames() const
{
    return {
        {Qt::DisplayRole, "display"},
        {IdRole, "id"},
        {UrlRole, "url"},
        {FileNameRole, "fileName"},
        {StatusRole, "status"},
        {MessageRole, "message"},
        {DownloadsRole, "downloads"},
        {OriginalSizeRole, "originalSize"},
    };
}

int JobListModel::rowOf(const QUuid& id) const
{
    if (!m_rowsValid) {
        m_rows.clear();
        m_rows.reserve(m_jobs.size());
        for (qsizetype row = 0; row < m_jobs.size(); ++row) {
            m_rows.insert(m_jobs.at(row).id, static_cast<int>(row));
        }
        m_rowsValid = true;
    }
    return m_rows.value(id, -1);
}

const ImageJob* JobListModel::find(const QUuid& id) const
{
    const int row = rowOf(id);
    return row < 0 ? nullptr : &m_jobs.at(row);
}

void JobListModel::append(QList<ImageJob> jobs)
{
    if (jobs.isEmpty()) {
        return;
    }
    const auto first = static_cast<int>(m_jobs.size());
    beginInsertRows({}, first, first + static_cast<int>(jobs.size()) - 1);
    int row = first;
    m_sources.reserve(m_jobs.size() + jobs.size());
    for (const ImageJob& job : std::as_const(jobs)) {
        m_tally.count(job, 1);
        ++m_sources[job.url];
        list(job);
        if (m_rowsValid) {
            m_rows.insert(job.id, row++);
        }
    }
    m_jobs.append(std::move(jobs));
    endInsertRows();
}

bool JobListModel::update(const QUuid& id, const std::function<void(ImageJob&)>& change)
{
    const int row = rowOf(id);
    if (row < 0) {
        return false;
    }
    ImageJob& job = m_jobs[row];
    m_tally.count(job, -1);
    // A copy shares the list; a change to it shows as a list of its own.
    const QList<DownloadedFile> before = job.downloads;
    [[maybe_unused]] const QUrl source = job.url;
    change(job);
    Q_ASSERT(job.id == id && job.url == source);
    m_tally.count(job, 1);
    if (job.downloads.constData() != before.constData() || job.downloads.size() != before.size()) {
        unlist(id, before);
        list(job);
    }
    const QModelIndex changed = index(row);
    Q_EMIT dataChanged(changed, changed);
    return true;
}

qsizetype JobListModel::updateEach(const QList<QUuid>& ids, const std::function<bool(qsizetype, ImageJob&)>& change)
{
    int first = -1;
    int last = -1;
    qsizetype changed = 0;
    for (qsizetype i = 0; i < ids.size(); ++i) {
        const int row = rowOf(ids.at(i));
        if (row < 0) {
            continue;
        }
        ImageJob& job = m_jobs[row];
        m_tally.count(job, -1);
        const QList<DownloadedFile> before = job.downloads;
        [[maybe_unused]] const QUrl source = job.url;
        const bool done = change(i, job);
        Q_ASSERT(job.id == ids.at(i) && job.url == source);
        m_tally.count(job, 1);
        if (!done) {
            continue;
        }
        if (job.downloads.constData() != before.constData() || job.downloads.size() != before.size()) {
            unlist(job.id, before);
            list(job);
        }
        first = first < 0 ? row : std::min(first, row);
        last = std::max(last, row);
        ++changed;
    }
    if (changed > 0) {
        Q_EMIT dataChanged(index(first), index(last));
    }
    return changed;
}

qsizetype JobListModel::removeIf(const std::function<bool(const ImageJob&)>& predicate)
{
    qsizetype removed = 0;
    // From the end, so the rows still to be looked at keep their positions.
    auto row = m_jobs.size();
    while (row > 0) {
        --row;
        if (!predicate(m_jobs.at(row))) {
            continue;
        }
        auto first = row;
        while (first > 0 && predicate(m_jobs.at(first - 1))) {
            --first;
        }
        beginRemoveRows({}, static_cast<int>(first), static_cast<int>(row));
        for (auto gone = first; gone <= row; ++gone) {
            const ImageJob& job = m_jobs.at(gone);
            m_tally.count(job, -1);
            if (const auto source = m_sources.find(job.url); source != m_sources.end() && --*source == 0) {
                m_sources.erase(source);
            }
            unlist(job.id, job.downloads);
        }
        m_jobs.remove(first, row - first + 1);
        m_rowsValid = false;
        endRemoveRows();
        removed += row - first + 1;
        row = first;
    }
    return removed;
}

QList<QUuid> JobListModel::jobsListing(const QUrl& file) const
{
    if (!m_listingsKept) {
        m_listingsKept = true;
        for (const ImageJob& job : m_jobs) {
            list(job);
        }
    }
    return m_listings.values(file);
}

void JobListModel::list(const ImageJob& job) const
{
    if (!m_listingsKept) {
        return;
    }
    for (const DownloadedFile& file : job.downloads) {
        m_listings.insert(file.path, job.id);
    }
}

void JobListModel::unlist(const QUuid& id, const QList<DownloadedFile>& downloads) const
{
    if (!m_listingsKept) {
        return;
    }
    for (const DownloadedFile& file : downloads) {
        m_listings.remove(file.path, id);
    }
}
