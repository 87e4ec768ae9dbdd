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

int JobListView::rowHeightOf(const QModelIndex& index)
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    return m_delegate->sizeHint(option, index).height();
}

void JobListView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles)
{
    QListView::dataChanged(topLeft, bottomRight, roles);
    // A row that gained or lost its saved files changes height; only then is a new layout needed.
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
        const QModelIndex index = model()->index(row, 0);
        const QRect shown = visualRect(index);
        if (shown.isValid() && shown.height() != rowHeightOf(index)) {
            scheduleDelayedItemsLayout();
            return;
        }
    }
}

void JobListView::resizeEvent(QResizeEvent* event)
{
    QListView::resizeEvent(event);
    // Rows span the width; the delegate lays out against the row's rectangle.
    viewport()->update();
}
