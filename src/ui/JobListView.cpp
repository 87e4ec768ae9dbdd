#include "JobListView.h"

#include "JobListModel.h"
#include "JobRowDelegate.h"

#include <QKeyEvent>

JobListView::JobListView(QWidget* parent)
    : QListView(parent)
    , m_delegate(new JobRowDelegate(this))
{
    setItemDelegate(m_delegate);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    // Rows with saved files are taller; the delegate's size hint is cheap, so the view may ask for all.
    setUniformItemSizes(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setResizeMode(QListView::Adjust);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(m_delegate, &JobRowDelegate::removeRequested, this, &JobListView::removeRequested);
}

void JobListView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        const QModelIndex current = currentIndex();
        if (current.isValid() && JobRowDelegate::canRemove(current)) {
            Q_EMIT removeRequested(current.data(JobListModel::IdRole).toUuid());
        }
        event->accept();
        return;
    }
    default:
        QListView::keyPressEvent(event);
    }
}

int JobListView::laidOutHeight(int row) const
{
    // A row's rectangle takes its height from the delegate at once; the space the layout gave it is the
    // distance to the next row (or to the end of the contents).
    const QRect rect = rectForIndex(model()->index(row, 0));
    if (!rect.isValid()) {
        return -1;
    }
    const int next =
        row + 1 < model()->rowCount() ? rectForIndex(model()->index(row + 1, 0)).top() : contentsSize().height();
    return next - rect.top();
}

int JobListView::rowHeightOf(const QModelIndex& index)
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    return m_delegate->sizeHint(option, index).height();
}

void JobListView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles)
{
    // QListView lays out every row again on any change of data, which with 100,000 rows costs more than
    // a frame for each message the run writes. Only a row that gained or lost its saved files changes
    // height; every other change repaints its row alone.
    bool heightChanged = false;
    for (int row = topLeft.row(); row <= bottomRight.row() && !heightChanged; ++row) {
        heightChanged = laidOutHeight(row) != rowHeightOf(model()->index(row, 0));
    }
    if (heightChanged) {
        QListView::dataChanged(topLeft, bottomRight, roles);
    } else {
        QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
    }
}

void JobListView::resizeEvent(QResizeEvent* event)
{
    QListView::resizeEvent(event);
    // Rows span the width; the delegate lays out against the row's rectangle.
    viewport()->update();
}
