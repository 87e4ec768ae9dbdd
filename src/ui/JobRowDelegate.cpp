#include "ui/JobRowDelegate.h"

#include "model/DownloadedFile.h"
#include "model/JobStatus.h"
#include "queue/JobListModel.h"
#include "queue/SizeText.h"
#include "ui/Icons.h"
#include "ui/Theme.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QToolTip>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace {

constexpr int statusIconGap = 4;
constexpr int formatPathGap = 2;
// Between a saved file's path and its size.
constexpr int pathDetailGap = 8;

QString removeToolTip()
{
    return JobRowDelegate::tr("Remove from queue");
}

JobStatus statusOf(const QModelIndex& index)
{
    return index.data(JobListModel::StatusRole).value<JobStatus>();
}

QList<DownloadedFile> downloadsOf(const QModelIndex& index)
{
    return index.data(JobListModel::DownloadsRole).value<QList<DownloadedFile>>();
}

int lineHeight(Theme::TextStyle style, bool bold = false)
{
    return QFontMetrics(Theme::font(style, bold)).height();
}

// The full file-system path of a saved file, as the row shows it.
QString displayPath(const QUrl& url)
{
    return url.isLocalFile() ? url.toLocalFile() : url.toString();
}

} // namespace

JobRowDelegate::JobRowDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
    , m_firstLineHeight(
          std::max({lineHeight(Theme::TextStyle::headline), lineHeight(Theme::TextStyle::body), removeButtonSize}))
{
    m_plainHeight =
        verticalPadding + m_firstLineHeight + partSpacing + lineHeight(Theme::TextStyle::subheadline) + verticalPadding;
    m_downloadsHeight = m_plainHeight + partSpacing + lineHeight(Theme::TextStyle::caption, true) + formatPathGap +
                        lineHeight(Theme::TextStyle::caption2);
}

bool JobRowDelegate::canRemove(const QModelIndex& index)
{
    return statusOf(index) != JobStatus::running;
}

int JobRowDelegate::rowHeight(bool withDownloads) const
{
    return withDownloads ? m_downloadsHeight : m_plainHeight;
}

void JobRowDelegate::setJobs(const JobListModel* jobs)
{
    m_jobs = jobs;
}

QSize JobRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    // Only two heights exist, so the hint costs one look at the downloads, asked of the queue's own
    // model directly where it is the one shown: a layout asks every row.
    const bool withDownloads = m_jobs != nullptr && index.model() == m_jobs.data() ? m_jobs->hasDownloads(index.row())
                                                                                   : !downloadsOf(index).isEmpty();
    return {std::max(0, option.rect.width()), rowHeight(withDownloads)};
}

QRect JobRowDelegate::removeButtonRect(const QRect& row) const
{
    const int top = row.top() + verticalPadding + (firstLineHeight() - removeButtonSize) / 2;
    return {row.right() - horizontalInset - removeButtonSize + 1, top, removeButtonSize, removeButtonSize};
}

QList<JobRowDelegate::DownloadItem> JobRowDelegate::downloadItems(const QRect& row, const QModelIndex& index) const
{
    QList<DownloadItem> items;
    const QList<DownloadedFile> downloads = downloadsOf(index);
    if (downloads.isEmpty()) {
        return items;
    }
    const QFontMetricsF formatMetrics(Theme::font(Theme::TextStyle::caption, true));
    const QFontMetricsF pathMetrics(Theme::font(Theme::TextStyle::caption2));
    const int top = row.top() + verticalPadding + firstLineHeight() + partSpacing +
                    lineHeight(Theme::TextStyle::subheadline) + partSpacing;
    const int right = row.right() - horizontalInset;
    const qint64 originalSize = index.data(JobListModel::OriginalSizeRole).toLongLong();
    int x = row.left() + horizontalInset;
    for (qsizetype i = 0; i < downloads.size(); ++i) {
        const DownloadedFile& file = downloads.at(i);
        const QString path = displayPath(file.path);
        const QString detail = SizeText::fileDetail(file, originalSize);
        const qreal detailAdvance = detail.isEmpty() ? 0 : pathDetailGap + pathMetrics.horizontalAdvance(detail);
        // Rounded up with a pixel to spare: eliding measures in fractions of a pixel.
        const qreal advance = std::max(formatMetrics.horizontalAdvance(file.formatLabel()),
                                       pathMetrics.horizontalAdvance(path) + detailAdvance);
        const int natural = static_cast<int>(std::ceil(advance)) + 1;
        // Items share what is left; a path that does not fit is shortened in the middle and shown in full
        // as the tooltip.
        const auto remaining = static_cast<int>(downloads.size() - i);
        const int share = (right - x + 1 - (remaining - 1) * downloadSpacing) / remaining;
        const int width = std::max(0, std::min(natural, share));
        const int height = static_cast<int>(std::ceil(formatMetrics.height() + formatPathGap + pathMetrics.height()));
        items.append({QRect(x, top, width, height), path, detail});
        x += width + downloadSpacing;
    }
    return items;
}

void JobRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    painter->save();
    const QPalette& palette = option.palette;
    const QRect row = option.rect;
    const qreal ratio = painter->device()->devicePixelRatioF();
    const int left = row.left() + horizontalInset;
    const int right = row.right() - horizontalInset;
    const int firstTop = row.top() + verticalPadding;
    const int firstHeight = firstLineHeight();

    // Separator between rows, inset like the content.
    if (index.row() > 0) {
        QColor line = palette.color(QPalette::WindowText);
        line.setAlphaF(0.1F);
        painter->fillRect(QRect(left, row.top(), right - left + 1, 1), line);
    }

    // Remove button.
    const QRect removeRect = removeButtonRect(row);
    const bool removable = canRemove(index);
    painter->setOpacity(removable ? 1.0 : disabledRemoveOpacity);
    QColor removeColor = Theme::color(NamedColor::secondary, palette);
    if (removable && m_pressed == index) {
        removeColor = palette.color(QPalette::WindowText);
    }
    const int iconOffset = (removeButtonSize - removeIconSize) / 2;
    painter->drawPixmap(removeRect.topLeft() + QPoint(iconOffset, iconOffset),
                        Icons::pixmap(QStringLiteral("xmark.circle.fill"), removeIconSize, removeColor, ratio));
    painter->setOpacity(1.0);
    if ((option.state & QStyle::State_HasFocus) && (option.state & QStyle::State_Active)) {
        QStyleOptionFocusRect focus;
        focus.rect = removeRect;
        focus.palette = palette;
        focus.state = option.state;
        const QWidget* widget = option.widget;
        (widget ? widget->style() : QApplication::style())
            ->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }

    // Status label: icon and text in the status's color, right before the remove button.
    const JobStatus status = statusOf(index);
    const QColor statusColor = Theme::color(color(status), palette);
    const QFont statusFont = Theme::font(Theme::TextStyle::body);
    const QFontMetrics statusMetrics(statusFont);
    const QString statusText = label(status);
    const int statusTextWidth = statusMetrics.horizontalAdvance(statusText);
    const int statusRight = removeRect.left() - Theme::defaultSpacing;
    const int statusLeft = statusRight - statusTextWidth - statusIconGap - statusIconSize + 1;
    painter->drawPixmap(QPoint(statusLeft, firstTop + (firstHeight - statusIconSize) / 2),
                        Icons::pixmap(icon(status), statusIconSize, statusColor, ratio));
    painter->setFont(statusFont);
    painter->setPen(statusColor);
    painter->drawText(QRect(statusLeft + statusIconSize + statusIconGap, firstTop, statusTextWidth + 1, firstHeight),
                      Qt::AlignLeft | Qt::AlignVCenter, statusText);

    // File name, shortened at the end when the row is narrow.
    const QFont nameFont = Theme::font(Theme::TextStyle::headline);
    painter->setFont(nameFont);
    painter->setPen(palette.color(QPalette::Text));
    const int nameWidth = statusLeft - Theme::defaultSpacing - left;
    const QString name = QFontMetrics(nameFont).elidedText(index.data(JobListModel::FileNameRole).toString(),
                                                           Qt::ElideMiddle, std::max(0, nameWidth));
    painter->drawText(QRect(left, firstTop, std::max(0, nameWidth), firstHeight), Qt::AlignLeft | Qt::AlignVCenter,
                      name);

    // Message, always there (an empty one keeps its line).
    const QFont messageFont = Theme::font(Theme::TextStyle::subheadline);
    const QFontMetrics messageMetrics(messageFont);
    const int messageTop = firstTop + firstHeight + partSpacing;
    painter->setFont(messageFont);
    painter->setPen(Theme::color(NamedColor::secondary, palette));
    painter->drawText(
        QRect(left, messageTop, right - left + 1, messageMetrics.height()), Qt::AlignLeft | Qt::AlignTop,
        messageMetrics.elidedText(index.data(JobListModel::MessageRole).toString(), Qt::ElideRight, right - left + 1));

    // Saved files: format in bold caption over the full path in caption 2.
    const QList<DownloadedFile> downloads = downloadsOf(index);
    const QList<DownloadItem> paths = downloadItems(row, index);
    const QFont formatFont = Theme::font(Theme::TextStyle::caption, true);
    const QFont pathFont = Theme::font(Theme::TextStyle::caption2);
    const QFontMetrics formatMetrics(formatFont);
    const QFontMetrics pathMetrics(pathFont);
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QRect item = paths.at(i).rect;
        if (item.width() <= 0) {
            continue;
        }
        painter->setFont(formatFont);
        painter->setPen(palette.color(QPalette::Text));
        painter->drawText(QRect(item.left(), item.top(), item.width(), formatMetrics.height()),
                          Qt::AlignLeft | Qt::AlignTop,
                          formatMetrics.elidedText(downloads.at(i).formatLabel(), Qt::ElideRight, item.width()));
        // The path gives way to the size: it is shortened in the middle, the size never.
        const QString& detail = paths.at(i).detail;
        const int detailWidth =
            detail.isEmpty() ? 0 : pathDetailGap + static_cast<int>(std::ceil(pathMetrics.horizontalAdvance(detail)));
        const int pathWidth = std::max(0, item.width() - detailWidth);
        const QString path = pathMetrics.elidedText(paths.at(i).path, Qt::ElideMiddle, pathWidth);
        const int lineTop = item.top() + formatMetrics.height() + formatPathGap;
        painter->setFont(pathFont);
        painter->setPen(Theme::color(NamedColor::secondary, palette));
        painter->drawText(QRect(item.left(), lineTop, pathWidth, pathMetrics.height()), Qt::AlignLeft | Qt::AlignTop,
                          path);
        if (!detail.isEmpty()) {
            const int detailLeft = item.left() + pathMetrics.horizontalAdvance(path) + pathDetailGap;
            painter->drawText(QRect(detailLeft, lineTop, item.right() - detailLeft + 1, pathMetrics.height()),
                              Qt::AlignLeft | Qt::AlignTop, detail);
        }
    }
    painter->restore();
}

bool JobRowDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                 const QModelIndex& index)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || !removeButtonRect(option.rect).contains(mouse->position().toPoint())) {
            return false;
        }
        // A disabled button swallows the click, like a disabled widget would.
        if (canRemove(index)) {
            m_pressed = index;
        }
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool wasPressed = m_pressed.isValid() && m_pressed == index;
        m_pressed = QPersistentModelIndex();
        if (!wasPressed || mouse->button() != Qt::LeftButton ||
            !removeButtonRect(option.rect).contains(mouse->position().toPoint()) || !canRemove(index)) {
            return wasPressed;
        }
        // By id: the row may have moved or changed since it was drawn.
        Q_EMIT removeRequested(index.data(JobListModel::IdRole).toUuid());
        return true;
    }
    default:
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    }
}

bool JobRowDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                               const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip || !index.isValid()) {
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
    if (removeButtonRect(option.rect).contains(event->pos())) {
        QToolTip::showText(event->globalPos(), removeToolTip(), view, removeButtonRect(option.rect));
        return true;
    }
    for (const DownloadItem& item : downloadItems(option.rect, index)) {
        if (item.rect.contains(event->pos())) {
            QToolTip::showText(event->globalPos(), item.path, view, item.rect);
            return true;
        }
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}
