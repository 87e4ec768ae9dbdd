#pragma once

// Draws one job of the queue as a row: a thumbnail of the source, file name, status icon and label in the
// status's color, the remove button, the message, and the files saved for the job with their sizes (a
// companion larger than the optimized image marked so). No widget per row: the row is painted and the
// remove button is hit-tested here, so a queue of 100,000 jobs costs only what is on screen; thumbnails
// come from a ThumbnailCache, which makes them off the main thread for the rows on screen.

#include <QPersistentModelIndex>
#include <QPointer>
#include <QRect>
#include <QStyledItemDelegate>
#include <QUuid>

class JobListModel;
class ThumbnailCache;

class JobRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int horizontalInset = 12;
    // The row's own padding above and below, plus the list's inset around each row.
    static constexpr int verticalPadding = 6 + 4;
    static constexpr int partSpacing = 6;
    static constexpr int downloadSpacing = 12;
    static constexpr int removeButtonSize = 20;
    static constexpr int removeIconSize = 16;
    static constexpr int statusIconSize = 14;
    static constexpr int thumbnailSize = 40;
    static constexpr int thumbnailGap = 10;
    static constexpr qreal disabledRemoveOpacity = 0.3;

    explicit JobRowDelegate(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // Where the remove button of a row drawn in `row` sits, and its thumbnail.
    QRect removeButtonRect(const QRect& row) const;
    QRect thumbnailRect(const QRect& row) const;
    // Where the row's texts begin, right of the thumbnail.
    static int contentLeft(const QRect& row);
    // A row offers removal unless its job is being processed.
    static bool canRemove(const QModelIndex& index);
    int rowHeight(bool withDownloads) const;
    // The queue's own model, when it is the one shown: a row's height is then read from it directly.
    void setJobs(const JobListModel* jobs);
    void setThumbnails(ThumbnailCache* thumbnails);
    // Whether a row's job has results to compare with its source.
    static bool canCompare(const QModelIndex& index);

    // One saved file of a row: where its format and path are drawn, the full path, and what follows
    // the path on its line (size, and for the optimized image the change against the source), and for
    // a companion larger than the optimized image, the mark that says so.
    struct DownloadItem
    {
        QRect rect;
        QString path;
        QString detail;
        QString mark;
    };
    QList<DownloadItem> downloadItems(const QRect& row, const QModelIndex& index) const;

Q_SIGNALS:
    void removeRequested(const QUuid& id);

private:
    int firstLineHeight() const { return m_firstLineHeight; }
    void paintThumbnail(QPainter* painter, const QRect& area, const QModelIndex& index, const QPalette& palette,
                        qreal ratio) const;

    // Taken once from the fixed text styles: the view asks every row for its size on each layout.
    int m_firstLineHeight;
    int m_plainHeight;
    int m_downloadsHeight;
    QPersistentModelIndex m_pressed;
    QPointer<const JobListModel> m_jobs;
    QPointer<ThumbnailCache> m_thumbnails;
};
