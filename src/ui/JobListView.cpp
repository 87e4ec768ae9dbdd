#include "ui/JobListView.h"

#include "queue/JobListModel.h"
#include "ui/Icons.h"
#include "ui/JobRowDelegate.h"
#include "ui/Theme.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

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

void JobListView::setModel(QAbstractItemModel* model)
{
    QListView::setModel(model);
    m_delegate->setJobs(qobject_cast<const JobListModel*>(model));
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

QString JobListView::emptyHint()
{
    return tr("Drop images or folders here");
}

bool JobListView::isShowingEmptyHint() const
{
    return model() == nullptr || model()->rowCount() == 0;
}

void JobListView::setDropHighlighted(bool highlighted)
{
    if (m_dropHighlighted == highlighted) {
        return;
    }
    m_dropHighlighted = highlighted;
    viewport()->update();
}

void JobListView::paintEvent(QPaintEvent* event)
{
    QListView::paintEvent(event);
    const bool empty = isShowingEmptyHint();
    if (!empty && !m_dropHighlighted) {
        return;
    }
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect area = viewport()->rect();
    const QColor accent = palette().color(QPalette::Highlight);
    const QColor base = palette().color(QPalette::Base);
    QColor tint = accent;
    tint.setAlphaF(0.08F);
    if (m_dropHighlighted) {
        painter.setPen(QPen(accent, 2));
        painter.setBrush(tint);
        painter.drawRoundedRect(QRectF(area).adjusted(3, 3, -3, -3), 6, 6);
    }
    const QString text = empty ? emptyHint() : tr("Drop to add to the queue");
    const QFont font = Theme::font(Theme::TextStyle::callout);
    const QFontMetrics metrics(font);
    // The words stand on the tinted list when it is empty, else on the card of the list's background.
    const QColor color = !m_dropHighlighted ? Theme::color(NamedColor::secondary, palette())
                         : empty            ? Theme::readable(accent, Theme::composite(tint, base))
                                            : Theme::readable(accent, base);
    constexpr int iconSize = 40;
    constexpr int gap = 10;
    const int textHeight = metrics.height();
    const int blockHeight = empty ? iconSize + gap + textHeight : textHeight;
    // Over rows, the words keep to the bottom, where the queue ends and new images join it.
    int top = empty ? area.top() + (area.height() - blockHeight) / 2 : area.bottom() - 24 - textHeight;
    if (empty) {
        painter.drawPixmap(QPoint(area.left() + (area.width() - iconSize) / 2, top),
                           Icons::pixmap(QStringLiteral("photo.on.rectangle.angled"), iconSize, color,
                                         viewport()->devicePixelRatioF()));
        top += iconSize + gap;
    } else {
        // Over the rows, the words sit on a card of the list's own background.
        const int width = metrics.horizontalAdvance(text) + 24;
        const QRectF card(area.left() + (area.width() - width) / 2.0, top - 6, width, textHeight + 12);
        painter.setPen(QPen(accent, 1));
        painter.setBrush(palette().color(QPalette::Base));
        painter.drawRoundedRect(card, card.height() / 2, card.height() / 2);
    }
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(QRect(area.left(), top, area.width(), textHeight), Qt::AlignHCenter | Qt::AlignTop, text);
}
