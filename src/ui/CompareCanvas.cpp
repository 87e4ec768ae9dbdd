#include "ui/CompareCanvas.h"

#include "ui/Theme.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Between the two halves side by side.
constexpr int gap = 2;
// How near the divider a press takes it rather than the picture.
constexpr double dividerGrip = 8;
constexpr int handleRadius = 14;
// How long after the last step of zoom or pan the pictures are painted smoothly again.
constexpr std::chrono::milliseconds settleDelay{150};
// What a key moves: a tenth of the view, a twentieth of the divider's range.
constexpr double keyPan = 0.1;
constexpr double keyDivider = 0.05;

// The light and dark squares behind a picture's transparent parts.
const QBrush& checkerBrush()
{
    static const QBrush brush = [] {
        QPixmap tile(16, 16);
        tile.fill(QColor(0xCC, 0xCC, 0xCC));
        QPainter painter(&tile);
        painter.fillRect(0, 0, 8, 8, QColor(0x99, 0x99, 0x99));
        painter.fillRect(8, 8, 8, 8, QColor(0x99, 0x99, 0x99));
        return QBrush(tile);
    }();
    return brush;
}

} // namespace

CompareCanvas::CompareCanvas(QWidget* parent)
    : QWidget(parent)
    , m_settle(new QTimer(this))
{
    m_settle->setSingleShot(true);
    m_settle->setInterval(settleDelay);
    connect(m_settle, &QTimer::timeout, this, [this] {
        m_quick = false;
        update();
    });
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(tr("Original and result"));
    describe();
}

QSize CompareCanvas::sizeHint() const
{
    return {900, 600};
}

QSize CompareCanvas::minimumSizeHint() const
{
    return {320, 200};
}

void CompareCanvas::setPreview(Side side, const QImage& preview, QSize size)
{
    const bool first = extent().isEmpty();
    Picture& p = picture(side);
    p.preview = preview;
    p.size = size.isEmpty() ? preview.size() : size;
    if (first || m_fit) {
        m_fit = true;
        m_zoom = fitZoom();
        m_center = QPointF(extent().width() / 2.0, extent().height() / 2.0);
    }
    keepCenterInside();
    changed();
}

void CompareCanvas::setLevels(Side side, QList<QImage> levels)
{
    Picture& p = picture(side);
    if (p.size.isEmpty() && !levels.isEmpty()) {
        setPreview(side, QImage(), levels.constFirst().size());
    }
    p.levels = std::move(levels);
    // The preview stays: at the zoom it was made for it is drawn as it is.
    update();
}

void CompareCanvas::clear(Side side)
{
    picture(side) = Picture();
    m_shown = false;
    update();
}

bool CompareCanvas::hasPicture(Side side) const
{
    const Picture& p = picture(side);
    return !p.preview.isNull() || !p.levels.isEmpty();
}

QSize CompareCanvas::pictureSize(Side side) const
{
    return picture(side).size;
}

void CompareCanvas::setLabels(const QString& original, const QString& result)
{
    m_labels = {original, result};
    update();
}

void CompareCanvas::setMode(Mode mode)
{
    if (m_mode == mode) {
        return;
    }
    m_mode = mode;
    if (m_fit) {
        m_zoom = fitZoom();
    }
    keepCenterInside();
    changed();
}

QSize CompareCanvas::extent() const
{
    const QSize original = picture(Side::original).size;
    return original.isEmpty() ? picture(Side::result).size : original;
}

QRect CompareCanvas::viewport(Side side) const
{
    if (m_mode == Mode::split) {
        return rect();
    }
    const int half = (width() - gap) / 2;
    return side == Side::original ? QRect(0, 0, half, height()) : QRect(width() - half, 0, half, height());
}

int CompareCanvas::dividerX() const
{
    return int(std::lround(m_divider * width()));
}

QRect CompareCanvas::shownArea(Side side) const
{
    if (m_mode == Mode::sideBySide) {
        return viewport(side);
    }
    const int x = dividerX();
    return side == Side::original ? QRect(0, 0, x, height()) : QRect(x, 0, width() - x, height());
}

double CompareCanvas::fitZoom() const
{
    const QSize size = extent();
    const QRect area = viewport(Side::original);
    if (size.isEmpty() || area.isEmpty()) {
        return 1;
    }
    const double fit = std::min(double(area.width()) / size.width(), double(area.height()) / size.height());
    // A picture smaller than the view is shown at its own size, not blown up.
    return std::min(fit * devicePixelRatioF(), 1.0);
}

void CompareCanvas::zoomToFit()
{
    m_fit = true;
    m_zoom = fitZoom();
    m_center = QPointF(extent().width() / 2.0, extent().height() / 2.0);
    changed();
}

void CompareCanvas::setZoom(double zoom)
{
    setZoom(zoom, QRectF(viewport(Side::original)).center());
}

void CompareCanvas::setZoom(double zoom, QPointF anchor)
{
    const double smallest = std::min(fitZoom(), 1.0) / 2;
    const double next = std::clamp(zoom, smallest, maxZoom);
    const Side side =
        viewport(Side::result).contains(anchor.toPoint()) && m_mode == Mode::sideBySide ? Side::result : Side::original;
    const QPointF middle = QRectF(viewport(side)).center();
    const double before = m_zoom / devicePixelRatioF();
    const double after = next / devicePixelRatioF();
    // The point of the picture under the anchor stays there.
    const QPointF under = m_center + (anchor - middle) / before;
    m_center = under - (anchor - middle) / after;
    m_zoom = next;
    m_fit = false;
    keepCenterInside();
    changed();
}

void CompareCanvas::zoomIn()
{
    setZoom(m_zoom * zoomStep);
}

void CompareCanvas::zoomOut()
{
    setZoom(m_zoom / zoomStep);
}

void CompareCanvas::panBy(QPointF delta)
{
    m_center -= delta / (m_zoom / devicePixelRatioF());
    keepCenterInside();
    changed();
}

void CompareCanvas::setDivider(double position)
{
    m_divider = std::clamp(position, 0.0, 1.0);
    changed();
}

void CompareCanvas::keepCenterInside()
{
    const QSize size = extent();
    if (size.isEmpty()) {
        return;
    }
    const double scale = m_zoom / devicePixelRatioF();
    const QRect area = viewport(Side::original);
    const auto axis = [](double center, double length, double shown) {
        // A picture narrower than the view sits in its middle; a wider one never leaves a gap at an edge.
        return length <= shown ? length / 2 : std::clamp(center, shown / 2, length - shown / 2);
    };
    m_center = QPointF(axis(m_center.x(), size.width(), area.width() / scale),
                       axis(m_center.y(), size.height(), area.height() / scale));
}

QRectF CompareCanvas::extentRect(Side side) const
{
    const double ratio = devicePixelRatioF();
    const double scale = m_zoom / ratio;
    const QPointF middle = QRectF(viewport(side)).center();
    QPointF topLeft = middle - m_center * scale;
    // On whole device pixels, so that pixels shown as squares are all the same size.
    topLeft = QPointF(std::round(topLeft.x() * ratio) / ratio, std::round(topLeft.y() * ratio) / ratio);
    return {topLeft, QSizeF(extent()) * scale};
}

QRectF CompareCanvas::shownRect(Side side) const
{
    const QRectF whole = extentRect(side);
    const QRectF seen = whole.intersected(QRectF(viewport(side)));
    if (seen.isEmpty() || whole.isEmpty()) {
        return {};
    }
    const double scale = extent().width() / whole.width();
    return {(seen.topLeft() - whole.topLeft()) * scale, seen.size() * scale};
}

const QImage* CompareCanvas::source(Side side) const
{
    const Picture& p = picture(side);
    // The device pixels the whole picture spans now; the smallest picture with as many is enough.
    const double needed = extent().width() * m_zoom - 0.5;
    const QImage* best = nullptr;
    const auto consider = [&](const QImage& image) {
        if (image.isNull()) {
            return;
        }
        const bool enough = image.width() >= needed;
        const bool bestEnough = best != nullptr && best->width() >= needed;
        if (best == nullptr || (enough && (!bestEnough || image.width() < best->width())) ||
            (!enough && !bestEnough && image.width() > best->width())) {
            best = &image;
        }
    };
    for (const QImage& level : p.levels) {
        consider(level);
    }
    consider(p.preview);
    return best;
}

QImage CompareCanvas::pictureShown(Side side) const
{
    const QImage* image = source(side);
    return image != nullptr ? *image : QImage();
}

void CompareCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const bool dark = Theme::isDark(palette());
    // A neutral surround, so that the picture's colors are judged against no color of their own.
    painter.fillRect(rect(), dark ? QColor(0x26, 0x26, 0x26) : QColor(0xDE, 0xDE, 0xDE));
    paintSide(painter, Side::original);
    paintSide(painter, Side::result);
    if (m_mode == Mode::split) {
        paintDivider(painter);
    }
    paintLabel(painter, Side::original, m_labels.at(0));
    paintLabel(painter, Side::result, m_labels.at(1));
    if (!m_shown && hasPicture(Side::original) && hasPicture(Side::result)) {
        m_shown = true;
        Q_EMIT picturesShown();
    }
}

void CompareCanvas::paintSide(QPainter& painter, Side side) const
{
    const QImage* image = source(side);
    if (image == nullptr) {
        return;
    }
    const QRectF whole = extentRect(side);
    const QRectF target = whole.intersected(QRectF(shownArea(side)));
    if (target.isEmpty()) {
        return;
    }
    // The same part of the picture's own pixels.
    const double sx = image->width() / whole.width();
    const double sy = image->height() / whole.height();
    const QRectF from((target.left() - whole.left()) * sx, (target.top() - whole.top()) * sy, target.width() * sx,
                      target.height() * sy);
    painter.save();
    painter.setClipRect(target);
    if (image->hasAlphaChannel()) {
        painter.fillRect(target, checkerBrush());
    }
    // Smoothed when made smaller; when enlarged, each pixel a sharp square, as inspecting wants.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !m_quick && sx * devicePixelRatioF() > 1.001);
    painter.drawImage(target, *image, from);
    painter.restore();
}

void CompareCanvas::paintLabel(QPainter& painter, Side side, const QString& text) const
{
    if (text.isEmpty()) {
        return;
    }
    const QFont font = Theme::font(Theme::TextStyle::caption, true);
    const QFontMetrics metrics(font);
    const QRect area = viewport(side);
    const int width = metrics.horizontalAdvance(text) + 16;
    const int height = metrics.height() + 8;
    const int left = side == Side::original ? area.left() + 10 : area.right() - 10 - width + 1;
    const QRectF pill(left, area.top() + 10, width, height);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // White on a dark veil reads on any picture.
    painter.setBrush(QColor(0, 0, 0, 165));
    painter.drawRoundedRect(pill, height / 2.0, height / 2.0);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(pill, Qt::AlignCenter, text);
    painter.restore();
}

void CompareCanvas::paintDivider(QPainter& painter) const
{
    const int x = dividerX();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRect(x - 1, 0, 3, height()), QColor(0, 0, 0, 90));
    painter.fillRect(QRect(x, 0, 1, height()), Qt::white);
    const QPointF middle(x + 0.5, height() / 2.0);
    painter.setPen(QPen(QColor(0, 0, 0, 90), 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(middle, handleRadius, handleRadius);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(middle, handleRadius + 2, handleRadius + 2);
    }
    // Two chevrons: it moves sideways.
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const int direction : {-1, 1}) {
        QPainterPath chevron;
        chevron.moveTo(middle + QPointF(direction * 3, -5));
        chevron.lineTo(middle + QPointF(direction * 8, 0));
        chevron.lineTo(middle + QPointF(direction * 3, 5));
        painter.drawPath(chevron);
    }
    painter.restore();
}

void CompareCanvas::resizeEvent(QResizeEvent*)
{
    if (m_fit) {
        m_zoom = fitZoom();
        m_center = QPointF(extent().width() / 2.0, extent().height() / 2.0);
    }
    keepCenterInside();
    changed();
}

void CompareCanvas::wheelEvent(QWheelEvent* event)
{
    const QPoint delta = event->angleDelta();
    const double steps = (delta.y() != 0 ? delta.y() : delta.x()) / 120.0;
    if (steps != 0) {
        setZoom(m_zoom * std::pow(zoomStep, steps), event->position());
    }
    event->accept();
}

bool CompareCanvas::nearDivider(QPointF point) const
{
    return m_mode == Mode::split && std::abs(point.x() - dividerX()) <= dividerGrip;
}

void CompareCanvas::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_drag = nearDivider(event->position()) ? Drag::divider : Drag::picture;
    m_dragFrom = event->position();
    setCursor(m_drag == Drag::divider ? Qt::SplitHCursor : Qt::ClosedHandCursor);
    event->accept();
}

void CompareCanvas::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    switch (m_drag) {
    case Drag::divider:
        setDivider(at.x() / std::max(1, width()));
        break;
    case Drag::picture:
        panBy(at - std::exchange(m_dragFrom, at));
        break;
    case Drag::none:
        setCursor(nearDivider(at) ? Qt::SplitHCursor : Qt::OpenHandCursor);
        break;
    }
}

void CompareCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    m_drag = Drag::none;
    setCursor(nearDivider(event->position()) ? Qt::SplitHCursor : Qt::OpenHandCursor);
}

void CompareCanvas::keyPressEvent(QKeyEvent* event)
{
    const QRect area = viewport(Side::original);
    const bool divider = m_mode == Mode::split && event->modifiers().testFlag(Qt::ShiftModifier);
    if (event->matches(QKeySequence::ZoomIn)) {
        zoomIn();
        return;
    }
    if (event->matches(QKeySequence::ZoomOut)) {
        zoomOut();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoomIn();
        break;
    case Qt::Key_Minus:
        zoomOut();
        break;
    case Qt::Key_0:
        zoomToFit();
        break;
    case Qt::Key_1:
        setZoom(1);
        break;
    case Qt::Key_2:
        setZoom(2);
        break;
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int sign = event->key() == Qt::Key_Left ? -1 : 1;
        if (divider) {
            setDivider(m_divider + sign * keyDivider);
        } else {
            panBy(QPointF(-sign * area.width() * keyPan, 0));
        }
        break;
    }
    case Qt::Key_Up:
    case Qt::Key_Down:
        panBy(QPointF(0, (event->key() == Qt::Key_Up ? 1 : -1) * area.height() * keyPan));
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CompareCanvas::changed()
{
    m_quick = true;
    m_settle->start();
    update();
    describe();
    Q_EMIT viewChanged();
}

void CompareCanvas::describe()
{
    const QString view = m_mode == Mode::split ? tr("Split view, the original left of the divider.")
                                               : tr("Side by side, the original on the left.");
    const QString zoom = tr("Zoom %1 %.").arg(QLocale().toString(qRound(m_zoom * 100)));
    const QString keys =
        m_mode == Mode::split
            ? tr("The arrow keys move the picture, Shift with Left and Right moves the divider; plus and minus "
                 "zoom, 0 fits, 1 and 2 show 100 % and 200 %.")
            : tr("The arrow keys move the picture; plus and minus zoom, 0 fits, 1 and 2 show 100 % and 200 %.");
    setAccessibleDescription(view + QLatin1Char(' ') + zoom + QLatin1Char(' ') + keys);
}
