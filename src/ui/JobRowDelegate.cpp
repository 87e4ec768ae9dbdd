#include "ui/JobRowDelegate.h"

#include "imaging/ThumbnailCache.h"
#include "model/DownloadedFile.h"
#include "model/JobStatus.h"
#include "queue/JobListModel.h"
#include "queue/SavedFiles.h"
#include "queue/SizeText.h"
#include "ui/Icons.h"
#include "ui/PathText.h"
#include "ui/Theme.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
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

// The mark of a larger companion: the path's size, in bold.
QFontMetricsF markMetrics()
{
    return QFontMetricsF(Theme::font(Theme::TextStyle::caption2, true));
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

bool JobRowDelegate::canCompare(const QModelIndex& index)
{
    return index.isValid() && statusOf(index) == JobStatus::succeeded && !downloadsOf(index).isEmpty();
}

void JobRowDelegate::setThumbnails(ThumbnailCache* thumbnails)
{
    m_thumbnails = thumbnails;
}

QRect JobRowDelegate::thumbnailRect(const QRect& row) const
{
    return {row.left() + horizontalInset, row.top() + verticalPadding, thumbnailSize, thumbnailSize};
}

int JobRowDelegate::contentLeft(const QRect& row)
{
    return row.left() + horizontalInset + thumbnailSize + thumbnailGap;
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
    const DownloadedFile* optimized = SavedFiles::optimized(downloads);
    int x = contentLeft(row);
    for (qsizetype i = 0; i < downloads.size(); ++i) {
        const DownloadedFile& file = downloads.at(i);
        const QString path = displayPath(file.path);
        const QString detail = SizeText::fileDetail(file, originalSize);
        const QString mark =
            SavedFiles::isLargerThanOptimized(file, downloads) ? SizeText::largerThan(*optimized) : QString();
        qreal detailAdvance = detail.isEmpty() ? 0 : pathDetailGap + pathMetrics.horizontalAdvance(detail);
        if (!mark.isEmpty()) {
            detailAdvance += pathDetailGap + markMetrics().horizontalAdvance(mark);
        }
        // Rounded up with a pixel to spare: eliding measures in fractions of a pixel.
        const qreal advance = std::max(formatMetrics.horizontalAdvance(file.formatLabel()),
                                       pathMetrics.horizontalAdvance(path) + detailAdvance);
        const int natural = static_cast<int>(std::ceil(advance)) + 1;
        // Items share what is left; a path that does not fit gives up its folder first and is shown in
        // full as the tooltip.
        const auto remaining = static_cast<int>(downloads.size() - i);
        const int share = (right - x + 1 - (remaining - 1) * downloadSpacing) / remaining;
        const int width = std::max(0, std::min(natural, share));
        const int height = static_cast<int>(std::ceil(formatMetrics.height() + formatPathGap + pathMetrics.height()));
        items.append({QRect(x, top, width, height), path, detail, mark});
        x += width + downloadSpacing;
    }
    return items;
}

void JobRowDelegate::paintThumbnail(QPainter* painter, const QRect& area, const QModelIndex& index,
                                    const QPalette& palette, qreal ratio) const
{
    const QString path = index.data(JobListModel::UrlRole).toUrl().toLocalFile();
    const QImage thumbnail = m_thumbnails != nullptr ? m_thumbnails->find(path) : QImage();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    QPainterPath frame;
    frame.addRoundedRect(QRectF(area), 6, 6);
    if (!thumbnail.isNull()) {
        // The whole picture in the square, on the list's own background, corners rounded.
        const QSizeF shown = QSizeF(thumbnail.size()).scaled(QSizeF(area.size()), Qt::KeepAspectRatio);
        const QRectF target(QPointF(area.left() + (area.width() - shown.width()) / 2.0,
                                    area.top() + (area.height() - shown.height()) / 2.0),
                            shown);
        QPainterPath clip;
        clip.addRoundedRect(target, 4, 4);
        painter->setClipPath(clip);
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->drawImage(target, thumbnail);
    } else {
        // Not made yet, or no picture: a tile with the symbol of an image.
        QColor tile = palette.color(QPalette::WindowText);
        tile.setAlphaF(0.06F);
        painter->fillPath(frame, tile);
        constexpr int symbol = 20;
        QColor color = Theme::color(NamedColor::secondary, palette);
        if (m_thumbnails == nullptr || !m_thumbnails->isUnreadable(path)) {
            color.setAlphaF(0.45F);
        }
        painter->drawPixmap(
            QPoint(area.left() + (area.width() - symbol) / 2, area.top() + (area.height() - symbol) / 2),
            Icons::pixmap(QStringLiteral("photo.on.rectangle.angled"), symbol, color, ratio));
    }
    painter->restore();
}

void JobRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    painter->save();
    const QPalette& palette = option.palette;
    const QRect row = option.rect;
    const qreal ratio = painter->device()->devicePixelRatioF();
    const int inset = row.left() + horizontalInset;
    const int left = contentLeft(row);
    const int right = row.right() - horizontalInset;
    const int firstTop = row.top() + verticalPadding;
    const int firstHeight = firstLineHeight();

    // A chosen row (for Optimize again) is tinted, in the selection's color.
    if (option.state & QStyle::State_Selected) {
        QColor tint = palette.color(QPalette::Highlight);
        tint.setAlphaF(0.18F);
        painter->fillRect(row, tint);
    }

    // Separator between rows, inset like the content.
    if (index.row() > 0) {
        QColor line = palette.color(QPalette::WindowText);
        line.setAlphaF(0.1F);
        painter->fillRect(QRect(inset, row.top(), right - inset + 1, 1), line);
    }

    paintThumbnail(painter, thumbnailRect(row), index, palette, ratio);

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
    // Lines of text are not cut at their boxes: at small sizes an underscore hangs below the font's
    // descent, and cut there a file's underscores would read as spaces.
    painter->setFont(messageFont);
    painter->setPen(Theme::color(NamedColor::secondary, palette));
    painter->drawText(
        QRect(left, messageTop, right - left + 1, messageMetrics.height()),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
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
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                          formatMetrics.elidedText(downloads.at(i).formatLabel(), Qt::ElideRight, item.width()));
        // The path gives way to the size and the mark: its folder is shortened, its name and the size never.
        const QString& detail = paths.at(i).detail;
        const QString& mark = paths.at(i).mark;
        const QFont markFont = Theme::font(Theme::TextStyle::caption2, true);
        const QFontMetrics markFontMetrics(markFont);
        const int detailWidth =
            (detail.isEmpty() ? 0
                              : pathDetailGap + static_cast<int>(std::ceil(pathMetrics.horizontalAdvance(detail)))) +
            (mark.isEmpty() ? 0 : pathDetailGap + static_cast<int>(std::ceil(markFontMetrics.horizontalAdvance(mark))));
        const int pathWidth = std::max(0, item.width() - detailWidth);
        const QString path = PathText::elided(paths.at(i).path, pathMetrics, pathWidth);
        const int lineTop = item.top() + formatMetrics.height() + formatPathGap;
        painter->setFont(pathFont);
        painter->setPen(Theme::color(NamedColor::secondary, palette));
        painter->drawText(QRect(item.left(), lineTop, pathWidth, pathMetrics.height()),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, path);
        int detailLeft = item.left() + pathMetrics.horizontalAdvance(path) + pathDetailGap;
        if (!detail.isEmpty()) {
            painter->drawText(QRect(detailLeft, lineTop, item.right() - detailLeft + 1, pathMetrics.height()),
                              Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, detail);
            detailLeft += pathMetrics.horizontalAdvance(detail) + pathDetailGap;
        }
        if (!mark.isEmpty()) {
            painter->setFont(markFont);
            painter->setPen(Theme::color(NamedColor::red, palette));
            painter->drawText(QRect(detailLeft, lineTop, item.right() - detailLeft + 1, pathMetrics.height()),
                              Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, mark);
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
            const QString text = item.mark.isEmpty() ? item.path : item.path + QLatin1Char('\n') + item.mark;
            QToolTip::showText(event->globalPos(), text, view, item.rect);
            return true;
        }
    }
    if (canCompare(index) && thumbnailRect(option.rect).contains(event->pos())) {
        QToolTip::showText(event->globalPos(), tr("Double-click or press Enter to compare with the original"), view,
                           thumbnailRect(option.rect));
        return true;
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}
