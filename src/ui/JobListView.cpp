#include "ui/JobListView.h"

#include "imaging/ThumbnailCache.h"
#include "model/DownloadedFile.h"
#include "model/JobStatus.h"
#include "queue/JobListModel.h"
#include "ui/Icons.h"
#include "ui/JobRowDelegate.h"
#include "ui/Theme.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <utility>

JobListView::JobListView(QWidget* parent)
    : QListView(parent)
    , m_delegate(new JobRowDelegate(this))
{
    setItemDelegate(m_delegate);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    // Rows with saved files are taller; the delegate's size hint is cheap, so the view may ask for all.
    setUniformItemSizes(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setResizeMode(QListView::Adjust);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(m_delegate, &JobRowDelegate::removeRequested, this, &JobListView::removeRequested);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (JobRowDelegate::canCompare(index)) {
            Q_EMIT compareRequested(index.data(JobListModel::IdRole).toUuid());
        }
    });
    auto* again = new QAction(this);
    again->setObjectName(QStringLiteral("optimizeAgainShortcut"));
    again->setShortcut(optimizeAgainKey());
    again->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(again, &QAction::triggered, this, [this] {
        if (const QList<QUuid> ids = chosenJobs(); !ids.isEmpty()) {
            Q_EMIT optimizeAgainRequested(ids);
        }
    });
    addAction(again);
    setThumbnails(new ThumbnailCache(qRound(JobRowDelegate::thumbnailSize * std::max(devicePixelRatioF(), qreal(1))),
                                     {}, ThumbnailCache::defaultBudgetBytes, this));
}

void JobListView::setThumbnails(ThumbnailCache* thumbnails)
{
    if (m_thumbnails != nullptr && m_thumbnails->parent() == this) {
        delete m_thumbnails;
    }
    m_thumbnails = thumbnails;
    m_thumbnails->setParent(this);
    m_delegate->setThumbnails(thumbnails);
    connect(thumbnails, &ThumbnailCache::ready, this, &JobListView::thumbnailReady);
    viewport()->update();
}

QStringList JobListView::visibleSources() const
{
    QStringList paths;
    const auto* jobs = qobject_cast<const JobListModel*>(model());
    if (jobs == nullptr) {
        return paths;
    }
    const QModelIndex first = indexAt(QPoint(viewport()->width() / 2, 0));
    if (!first.isValid()) {
        return paths;
    }
    const int bottom = viewport()->height();
    for (int row = first.row(); row < jobs->rowCount(); ++row) {
        if (visualRect(jobs->index(row)).top() >= bottom) {
            break;
        }
        paths.append(jobs->jobs().at(row).url.toLocalFile());
    }
    return paths;
}

void JobListView::thumbnailReady(const QString& path)
{
    const auto* jobs = qobject_cast<const JobListModel*>(model());
    const QModelIndex first = jobs != nullptr ? indexAt(QPoint(viewport()->width() / 2, 0)) : QModelIndex();
    if (!first.isValid()) {
        return;
    }
    for (int row = first.row(); row < jobs->rowCount(); ++row) {
        const QRect rect = visualRect(jobs->index(row));
        if (rect.top() >= viewport()->height()) {
            break;
        }
        if (jobs->jobs().at(row).url.toLocalFile() == path) {
            viewport()->update(m_delegate->thumbnailRect(rect));
        }
    }
}

QMenu* JobListView::rowMenu(const QModelIndex& index)
{
    delete m_menu;
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("rowMenu"));
    const QUuid id = index.data(JobListModel::IdRole).toUuid();
    const QUrl source = index.data(JobListModel::UrlRole).toUrl();
    const auto downloads = index.data(JobListModel::DownloadsRole).value<QList<DownloadedFile>>();

    QAction* compare = m_menu->addAction(tr("Compare"), this, [this, id] { Q_EMIT compareRequested(id); });
    compare->setObjectName(QStringLiteral("compareAction"));
    compare->setEnabled(JobRowDelegate::canCompare(index));
    m_menu->setDefaultAction(compare);
    m_menu->addSeparator();
    // The source first, then each saved file, as the row lists them.
    QList<std::pair<QString, QUrl>> files{{tr("Original"), source}};
    for (const DownloadedFile& file : downloads) {
        files.append({file.formatLabel(), file.path});
    }
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QUrl file = files.at(i).second;
        QAction* open =
            m_menu->addAction(tr("Open %1").arg(files.at(i).first), this, [this, file] { Q_EMIT openRequested(file); });
        open->setObjectName(QStringLiteral("openAction%1").arg(i));
    }
    m_menu->addSeparator();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QUrl file = files.at(i).second;
        QAction* show = m_menu->addAction(tr("Show %1 in Folder").arg(files.at(i).first), this,
                                          [this, file] { Q_EMIT showInFolderRequested({file}); });
        show->setObjectName(QStringLiteral("showAction%1").arg(i));
    }
    m_menu->addSeparator();
    // The chosen rows when this is one of them, else this row alone.
    const QList<QUuid> chosen = selectionModel()->isSelected(index) ? chosenJobs() : QList<QUuid>{id};
    QAction* again = m_menu->addAction(chosen.size() > 1 ? tr("Optimize %n Again", nullptr, int(chosen.size()))
                                                         : tr("Optimize Again"),
                                       this, [this, chosen] { Q_EMIT optimizeAgainRequested(chosen); });
    again->setObjectName(QStringLiteral("optimizeAgainAction"));
    again->setShortcut(optimizeAgainKey());
    again->setEnabled(index.data(JobListModel::StatusRole).value<JobStatus>() != JobStatus::running);
    QAction* remove = m_menu->addAction(tr("Remove from Queue"), this, [this, id] { Q_EMIT removeRequested(id); });
    remove->setObjectName(QStringLiteral("removeAction"));
    remove->setEnabled(JobRowDelegate::canRemove(index));
    return m_menu;
}

QList<QUuid> JobListView::chosenJobs() const
{
    QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty() && currentIndex().isValid()) {
        rows.append(currentIndex());
    }
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QList<QUuid> ids;
    ids.reserve(rows.size());
    for (const QModelIndex& row : std::as_const(rows)) {
        ids.append(row.data(JobListModel::IdRole).toUuid());
    }
    return ids;
}

QKeySequence JobListView::optimizeAgainKey()
{
    return QKeySequence(Qt::CTRL | Qt::Key_R);
}

void JobListView::contextMenuEvent(QContextMenuEvent* event)
{
    const bool mouse = event->reason() == QContextMenuEvent::Mouse;
    const QModelIndex index = mouse ? indexAt(event->pos()) : currentIndex();
    if (!index.isValid()) {
        event->ignore();
        return;
    }
    setCurrentIndex(index);
    const QRect row = visualRect(index);
    // From the keyboard, under the row's name.
    const QPoint at =
        mouse ? event->globalPos()
              : viewport()->mapToGlobal(QPoint(JobRowDelegate::contentLeft(row), row.top() + row.height() / 2));
    rowMenu(index)->popup(at);
    event->accept();
}

void JobListView::setModel(QAbstractItemModel* model)
{
    QListView::setModel(model);
    m_delegate->setJobs(qobject_cast<const JobListModel*>(model));
}

void JobListView::keyPressEvent(QKeyEvent* event)
{
    const QModelIndex current = currentIndex();
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Delete:
        if (current.isValid() && JobRowDelegate::canRemove(current)) {
            Q_EMIT removeRequested(current.data(JobListModel::IdRole).toUuid());
        }
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (JobRowDelegate::canCompare(current)) {
            Q_EMIT compareRequested(current.data(JobListModel::IdRole).toUuid());
        }
        event->accept();
        return;
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
    // Whatever is painted, the rows on screen are the ones whose thumbnails are worth making.
    m_thumbnails->want(visibleSources());
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
